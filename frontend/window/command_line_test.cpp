// SPDX-License-Identifier: GPL-3.0-or-later
// What each command line asks for, and the exit code the program gives it.
#include "command_line.h"

#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

namespace {
using Action = CommandLine::Action;

void row(const char* name, const QStringList& arguments, Action action, int exitCode,
         const QString& dictionary, const QString& word, const QString& outputStart) {
    QTest::newRow(name) << arguments << int(action) << exitCode << dictionary << word
                        << outputStart;
}
} // namespace

void CommandLineTest::parse_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("outputStart"); // for a wrong use, its message line

    const QString dict = QStringLiteral("deu-eng.txt");
    row("no arguments", {}, Action::Window, 0, "", "", "");
    row("dictionary", {dict}, Action::Window, 0, dict, "", "");
    row("dictionary and word", {dict, "Haus"}, Action::Window, 0, dict, "Haus", "");
    row("word with a dash", {dict, "-ung"}, Action::Window, 0, dict, "-ung", "");
    row("dictionary with a dash after --", {"--", "-x.txt"}, Action::Window, 0, "-x.txt", "", "");
    row("--help", {"--help"}, Action::Help, 0, "", "", "Usage: ");
    row("-h before a dictionary", {"-h", dict}, Action::Help, 0, "", "", "Usage: ");
    row("--version", {"--version"}, Action::Version, 0, "", "", "vocabrix 2.0\n");
    row("-v", {"-v"}, Action::Version, 0, "", "", "vocabrix 2.0\n");
    row("unknown option", {"--frobnicate", dict}, Action::WrongUse, 2, "", "",
        "vocabrix: Unknown option 'frobnicate'.\n");
    row("three arguments", {dict, "Haus", "Hof"}, Action::WrongUse, 2, "", "",
        "vocabrix: Too many arguments: a dictionary and a word at most.\n");
    row("empty dictionary", {""}, Action::WrongUse, 2, "", "",
        "vocabrix: The dictionary's path is empty.\n");
}

void CommandLineTest::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(int, exitCode);
    QFETCH(QString, dictionary);
    QFETCH(QString, word);
    QFETCH(QString, outputStart);
    const CommandLine line = parseCommandLine(QStringList{"vocabrix"} + arguments);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.exitCode(), exitCode);
    QCOMPARE(line.dictionary, dictionary);
    QCOMPARE(line.word, word);
    QCOMPARE(line.output.left(outputStart.size()), outputStart);
    // A wrong use shows the usage after its message.
    QCOMPARE(line.output.contains("\nUsage: "), line.action == CommandLine::Action::WrongUse);
    if (line.action == CommandLine::Action::Window) QVERIFY(line.output.isEmpty());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
