// SPDX-License-Identifier: GPL-3.0-or-later
#include "real_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

OpenDialogAnswer RealPrompts::chooseFile(QWidget* parent, const OpenDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails); // "Dictionary files", not "(*.txt)" too
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!request.filters.isEmpty()) dialog.setNameFilters(request.filters);
    OpenDialogAnswer answer;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        answer.path = dialog.selectedFiles().constFirst();
    answer.folderLeftIn = dialog.directory().absolutePath();
    return answer;
}

void RealPrompts::showMessage(QWidget* parent, const QString& title, const QString& text,
                              Icon icon) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    if (icon == Icon::Critical) boxIcon = QMessageBox::Critical;
    if (icon == Icon::Warning) boxIcon = QMessageBox::Warning;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // paths and dictionary lines are never markup
    box.exec();
}

void RealPrompts::endProgram() {
    // The program's files are closed by now; nothing is saved, so the process may go at once
    // without unwinding the reaction that asked for it.
    std::fflush(nullptr);
    std::_Exit(0);
}
