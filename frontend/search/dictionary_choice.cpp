// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the dictionary: the file dialog, the short name and the window's searching state.
#include "dictionary_search.h"

#include "bilingual_texts.h"
#include "dictionary_file.h"
#include "exchange_request.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "short_name.h"
#include "text_encoding.h"
#include "user_prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The dialog: an existing file only, starting in the folder the previous one was left in.
OpenDialogAnswer ShowOpenDialog(DictionarySearch& search, const QStringList& filters) {
    OpenDialogRequest request;
    request.title = texts::openDialogTitle();
    request.filters = filters;
    request.startFolder = search.session().LastFolder;
    return search.prompts().chooseFile(search.view().window, request);
}

const QStringList dictionaryFilters = {QStringLiteral("Dictionary files (*.txt)"),
                                       QStringLiteral("File *.txt (*.txt)")};

// The path when it may be a dictionary, its encoding decided; otherwise empty, the user told why.
QString checkedChoice(DictionarySearch& w, const QString& path, TextEncoding* encoding) {
    if (path.trimmed().isEmpty()) return QString(); // cancelled
    if (hasLineBreak(path)) {
        // It could not be passed on in the request's first line.
        warn(w, search_messages::pathWithLineBreak(settings::italian(), path));
        return QString();
    }
    const DictionaryCheck check = checkDictionary(path);
    if (check.missing) {
        warn(w, search_messages::noSuchFile(settings::italian(), path));
        return QString();
    }
    if (check.refused) {
        warn(w, search_messages::notAFile(settings::italian(), path));
        return QString();
    }
    *encoding = check.encoding;
    return path;
}
} // namespace

void DictionarySearch::OpenDictionary() {
    view_.mOpen->setEnabled(false);
    SearchSession& s = session();
    if (s.LastFolder.isEmpty()) s.LastFolder = QDir::currentPath();
    const OpenDialogAnswer answer = ShowOpenDialog(*this, dictionaryFilters);
    if (!answer.folderLeftIn.isEmpty()) s.LastFolder = answer.folderLeftIn;

    TextEncoding encoding = TextEncoding::Utf8;
    QString chosen = checkedChoice(*this, answer.path, &encoding);
    // A cancelled change keeps the dictionary chosen before, checked again as a new choice is:
    // it may have been replaced meanwhile.
    if (chosen.isEmpty() && !DictPath.isEmpty()) chosen = checkedChoice(*this, DictPath, &encoding);
    if (chosen.isEmpty()) {
        // Nothing usable is chosen: back to the state before the first choice.
        DictPath.clear();
        DictFileName.clear();
        view_.nomepurobreve->setText(QStringLiteral("-"));
        view_.LabIng->setText(
            texts::queryCaption(settings::italian(), view_.nomepurobreve->text()));
        view_.Sbianca->setChecked(false);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 view_.Sbianca, view_.Puntina, view_.PuntinaOK, view_.CmdBack, view_.CmdForw,
                 view_.CmdPagP, view_.CmdPagN})
            control->hide();
        view_.mChange->setEnabled(false);
        view_.mOpen->setEnabled(true);
        return;
    }
    DictPath = chosen;
    s.encoding = encoding;

    DictFileName = fileNamePart(DictPath);
    if (const auto name = shortNameOf(DictFileName)) view_.nomepurobreve->setText(*name);
    view_.LabIng->setText(texts::queryCaption(settings::italian(), view_.nomepurobreve->text()));
    view_.mChange->setEnabled(false);
    view_.window->repaint();

    view_.Sbianca->setChecked(false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             view_.CmdVai, view_.CmdClear, view_.Parola, view_.Risposta, view_.Storia, view_.ListY})
        control->setEnabled(true);
    view_.ListY->unsetCursor();
    view_.ListZ->setEnabled(settings::nlOn());
    view_.CmdBack->show();
    view_.CmdForw->show();
    view_.CmdBack->setEnabled(false);
    view_.CmdForw->setEnabled(false);
    refreshKeepCaption(view_);
    view_.Sbianca->show();
    view_.Sbianca->setEnabled(true);
    view_.Puntina->show();
    view_.mChange->setEnabled(true);
    // Typing goes to the query box at once, not to whatever held the focus (EXIT at start).
    view_.Parola->setFocus();
}

void DictionarySearch::mOpen_Click() {
    if (session().busy()) return;
    OpenDictionary();
}

void DictionarySearch::mChange_Click() {
    if (session().busy()) return;
    view_.Parola->clear();
    view_.Risposta->setPlainText(QString());
    for (QWidget* control : std::initializer_list<QWidget*>{view_.Parola, view_.Risposta,
                                                            view_.CmdVai, view_.CmdClear})
        control->setEnabled(false);
    view_.Storia->clear();
    view_.Storia->setEnabled(false);
    view_.ListZ->clear();
    view_.ListZ->setEnabled(false);
    view_.CmdPagP->hide();
    view_.CmdPagN->hide();
    view_.ListY->clear();
    view_.ListY->setEnabled(false);
    view_.ListY->unsetCursor();
    view_.CmdBack->setEnabled(false);
    view_.CmdForw->setEnabled(false);
    view_.Sbianca->setEnabled(false);
    view_.OmbraRisp->setText(noTranslation());

    OpenDictionary();

    // Without a dictionary a search could only fail.
    for (QWidget* control : std::initializer_list<QWidget*>{view_.Parola, view_.Risposta,
                                                            view_.CmdVai, view_.CmdClear})
        control->setEnabled(!DictPath.isEmpty());
}
