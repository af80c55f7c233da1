// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test stand-in for the user: answers file dialogs from a queue, records messages and the end.

#include "user_prompts.h"

#include <QList>

class FakePrompts : public UserPrompts {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
    };

    QList<OpenDialogAnswer> answers;       // next answers of the file dialog, front first
    QList<OpenDialogRequest> dialogsShown; // what each dialog was asked to show
    QList<Message> messages;
    int endCalls = 0;

    OpenDialogAnswer chooseFile(QWidget*, const OpenDialogRequest& request) override {
        dialogsShown.append(request);
        return answers.isEmpty() ? OpenDialogAnswer{} : answers.takeFirst();
    }
    void showMessage(QWidget*, const QString& title, const QString& text, Icon icon) override {
        messages.append({title, text, icon});
    }
    void endProgram() override { ++endCalls; }
};
