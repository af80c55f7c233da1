// SPDX-License-Identifier: GPL-3.0-or-later
// The built program asked for its help or version: it answers on standard output and exits,
// with no display to open a window on, within a time limit.
#include <QProcess>
#include <QTest>

class ProgramHelpTest : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutAWindow_data();
    void answersWithoutAWindow();
};

void ProgramHelpTest::answersWithoutAWindow_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("outputStart");
    QTest::newRow("--help") << "--help"
                            << "Usage: ";
    QTest::newRow("--version") << "--version"
                               << "vocabrix 2.0\n";
}

void ProgramHelpTest::answersWithoutAWindow() {
    QFETCH(QString, option);
    QFETCH(QString, outputStart);
    QProcess program;
    // Any window would need a display; there is none, and no other platform to fall back on.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VOCABRIX_PROGRAM), {option});
    QVERIFY2(program.waitForFinished(20000), "still running after 20 s");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(QString::fromLocal8Bit(program.readAllStandardOutput()).startsWith(outputStart),
             program.readAllStandardError().constData());
}

QTEST_GUILESS_MAIN(ProgramHelpTest)
#include "program_help_test.moc"
