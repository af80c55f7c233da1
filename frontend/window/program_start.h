// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start: the main window, then the dictionary and the word of the command line,
// opened and searched through the window's own controls as the user would.

#include "form1.h"
#include "user_prompts.h"

struct CommandLine;

// Answers the next file dialog with a path chosen beforehand; everything else goes to the user.
class ChosenFilePrompts : public UserPrompts {
public:
    explicit ChosenFilePrompts(UserPrompts& user) : user_(user) {}
    void chooseNext(const QString& path) { chosen_ = path; }

    OpenDialogAnswer chooseFile(QWidget* parent, const OpenDialogRequest& request) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text,
                     Icon icon) override {
        user_.showMessage(parent, title, text, icon);
    }
    void endProgram() override { user_.endProgram(); }

private:
    UserPrompts& user_;
    QString chosen_; // empty: ask the user
};

class ProgramStart {
public:
    // user answers the dialogs and messages from the window's first reaction on.
    explicit ProgramStart(UserPrompts& user);
    Form1& window() { return window_; }

    // Shows the window; a dictionary is then opened as File > "Open dictionary" would open it,
    // and a word put into the query box and searched as if typed and followed by Enter.
    void start(const CommandLine& line);

private:
    ChosenFilePrompts prompts_;
    Form1 window_;
};
