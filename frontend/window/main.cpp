// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "program_start.h"
#include "real_prompts.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {

int answer(const CommandLine& line) {
    std::FILE* stream = line.action == CommandLine::Action::WrongUse ? stderr : stdout;
    std::fputs(line.output.toLocal8Bit().constData(), stream);
    return line.exitCode();
}

bool asksForText(const CommandLine& line) {
    return line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // The help and the version need no display: they are answered before the window's
    // application connects to one.
    if (asksForText(parseCommandLine(argumentsOf(argc, argv)))) {
        QCoreApplication app(argc, argv);
        return answer(parseCommandLine(QCoreApplication::arguments()));
    }
    QApplication app(argc, argv);
    // Qt's own options (-style, -platform ...) are taken out by now.
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.action != CommandLine::Action::Window) return answer(line);
    RealPrompts prompts;
    ProgramStart program(prompts);
    program.start(line);
    return QApplication::exec();
}
