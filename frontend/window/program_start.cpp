// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_start.h"

#include "command_line.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

// Enter in the query box, through the box's own key routing.
void pressEnter(QLineEdit* query) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(query, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(query, &release);
}

} // namespace

OpenDialogAnswer ChosenFilePrompts::chooseFile(QWidget* parent, const OpenDialogRequest& request) {
    if (chosen_.isEmpty()) return user_.chooseFile(parent, request);
    // As the dialog answers: the whole path, and the next dialog starts in the file's folder.
    const QFileInfo file(chosen_);
    chosen_.clear();
    OpenDialogAnswer answer{file.absoluteFilePath(), {}};
    if (file.absoluteDir().exists()) answer.folderLeftIn = file.absolutePath();
    return answer;
}

ProgramStart::ProgramStart(UserPrompts& user) : prompts_(user), window_(prompts_) {}

void ProgramStart::start(const CommandLine& line) {
    window_.show();
    if (line.dictionary.isEmpty()) return;
    prompts_.chooseNext(line.dictionary);
    window_.findChild<QAction*>(QStringLiteral("mOpen"))->trigger();
    auto* query = window_.findChild<QLineEdit*>(QStringLiteral("Parola"));
    // A refused dictionary leaves the query box disabled; a blank word would search nothing.
    if (!query->isEnabled() || isBlank(line.word)) return;
    query->setText(line.word);
    pressEnter(query);
}
