// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks of the program: the window, with a dictionary to open and a word to
// look up in it, each optional; the help or the version, without a window; or, for a wrong use,
// a message and the usage, without a window.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { Window, Help, Version, WrongUse };

    Action action = Action::Window;
    QString dictionary; // empty: the window starts without one
    QString word;       // looked up once the dictionary is open; empty: none
    QString output;     // the help or the version for standard output, or for a wrong use the
                        // message and the usage for standard error

    int exitCode() const { return action == Action::WrongUse ? 2 : 0; }
};

// arguments as QCoreApplication::arguments() gives them, the program first.
CommandLine parseCommandLine(const QStringList& arguments);
