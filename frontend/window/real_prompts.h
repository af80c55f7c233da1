// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's real answers: Qt's own file dialog, message boxes, and the process's end.

#include "user_prompts.h"

class RealPrompts : public UserPrompts {
public:
    OpenDialogAnswer chooseFile(QWidget* parent, const OpenDialogRequest& request) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text,
                     Icon icon) override;
    // Ends the process without returning: no reaction of any window runs after it.
    [[noreturn]] void endProgram() override;
};
