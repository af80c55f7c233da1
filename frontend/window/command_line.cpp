// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>

namespace {

const QString programName = QStringLiteral("vocabrix");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Looks words up in two-language word lists kept as plain text files."));
    // A word to look up may begin with a dash ("-ung"): after the dictionary nothing is an option.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("dictionary"),
        QStringLiteral("The dictionary to open, as File > Open dictionary would."),
        QStringLiteral("[dictionary]"));
    parser.addPositionalArgument(QStringLiteral("word"),
                                 QStringLiteral("A word to look up in it, as if typed and Enter."),
                                 QStringLiteral("[word]"));
}

CommandLine wrongUse(const QCommandLineParser& parser, const QString& message) {
    CommandLine line;
    line.action = CommandLine::Action::WrongUse;
    line.output = programName + QStringLiteral(": ") + message + u'\n' + parser.helpText();
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    // In Qt's order: a wrong option first, then the version, then the help.
    if (!parser.parse(arguments)) return wrongUse(parser, parser.errorText());
    CommandLine line;
    if (parser.isSet(QStringLiteral("version"))) {
        line.action = CommandLine::Action::Version;
        line.output = programName + u' ' + QStringLiteral(VOCABRIX_VERSION) + u'\n';
        return line;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::Help;
        line.output = parser.helpText();
        return line;
    }
    const QStringList given = parser.positionalArguments();
    if (given.size() > 2)
        return wrongUse(parser,
                        QStringLiteral("Too many arguments: a dictionary and a word at most."));
    if (!given.isEmpty() && given[0].isEmpty())
        return wrongUse(parser, QStringLiteral("The dictionary's path is empty."));
    line.dictionary = given.value(0);
    line.word = given.value(1);
    return line;
}
