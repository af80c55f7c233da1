// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program asks of the user and of the process: the file dialog, message boxes and the
// program's end. The program uses the real ones; tests answer them from a script.

#include <QString>
#include <QStringList>

class QWidget;

struct OpenDialogRequest {
    QString title;
    QStringList filters; // e.g. "Dictionary files (*.txt)"
    QString startFolder;
};

struct OpenDialogAnswer {
    QString path;         // empty when cancelled
    QString folderLeftIn; // where the dialog was when it closed; the next dialog starts there
};

class UserPrompts {
public:
    enum class Icon { None, Critical, Warning };

    virtual ~UserPrompts() = default;
    virtual OpenDialogAnswer chooseFile(QWidget* parent, const OpenDialogRequest& request) = 0;
    // A modal message with a single OK button.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& text,
                             Icon icon) = 0;
    // Ends the process at once; the caller has closed its files.
    virtual void endProgram() = 0;
};
