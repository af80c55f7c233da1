// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "program_start.h"
#include "real_prompts.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

int answer(const CommandLine& line) {
    std::FILE* stream = line.action == CommandLine::Action::WrongUse ? stderr : stdout;
    std::fputs(line.output.toLocal8Bit().constData(), stream);
    return line.exitCode();
}

// Options that QApplication takes out of the arguments itself.
bool isQtOption(const QString& argument) {
    static const QStringList options{"-platform",      "-platformpluginpath",
                                     "-platformtheme", "-plugin",
                                     "-qmljsdebugger", "-qwindowgeometry",
                                     "-qwindowicon",   "-qwindowtitle",
                                     "-reverse",       "-session",
                                     "-style",         "-stylesheet",
                                     "-widgetcount",   "-display",
                                     "-geometry",      "-title",
                                     "-name",          "-dialogs",
                                     "-fontengine",    "-nograb",
                                     "-dograb",        "-visual",
                                     "-ncols",         "-cmap",
                                     "-sync"};
    const QString name = argument.section('=', 0, 0);
    return options.contains(name) || options.contains(name.mid(1));
}

// Help, version and a wrong use that no Qt option could explain need no window.
bool answersWithoutWindow(const CommandLine& line, const QStringList& arguments) {
    if (line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version)
        return true;
    return line.action == CommandLine::Action::WrongUse &&
           std::none_of(arguments.begin() + 1, arguments.end(), isQtOption);
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // These answers need no display: they come before the window's application connects to one,
    // so that they work in a terminal without a graphical session too.
    const QStringList arguments = argumentsOf(argc, argv);
    if (answersWithoutWindow(parseCommandLine(arguments), arguments)) {
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
