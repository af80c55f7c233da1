// SPDX-License-Identifier: GPL-3.0-or-later
// The built program asked for its help or version, or used wrongly: it answers on standard output
// or standard error and exits, with no display to open a window on, within a time limit.
#include <QProcess>
#include <QTest>

class ProgramHelpTest : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutAWindow_data();
    void answersWithoutAWindow();
};

void ProgramHelpTest::answersWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outputStart");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: ";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "vocabrix 2.0\n";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "vocabrix: ";
    QTest::newRow("three arguments") << QStringList{"a", "b", "c"} << 2 << "vocabrix: ";
}

void ProgramHelpTest::answersWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outputStart);
    QProcess program;
    // Any window would need a display; there is none, and no other platform to fall back on.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VOCABRIX_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(20000), "still running after 20 s");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QByteArray out = program.readAllStandardOutput();
    const QByteArray err = program.readAllStandardError();
    // Answers go to standard output, a wrong use to standard error.
    const QByteArray& answer = exitCode == 0 ? out : err;
    QVERIFY2(QString::fromLocal8Bit(answer).startsWith(outputStart), (out + err).constData());
}

QTEST_GUILESS_MAIN(ProgramHelpTest)
#include "program_help_test.moc"
