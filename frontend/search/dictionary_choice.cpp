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
    return search.prompts().chooseFile(search.window, request);
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
    mOpen->setEnabled(false);
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
        nomepurobreve->setText(QStringLiteral("-"));
        LabIng->setText(texts::queryCaption(settings::italian(), nomepurobreve->text()));
        Sbianca->setChecked(false);
        for (QWidget* control : std::initializer_list<QWidget*>{Sbianca, Puntina, PuntinaOK,
                                                                CmdBack, CmdForw, CmdPagP, CmdPagN})
            control->hide();
        mChange->setEnabled(false);
        mOpen->setEnabled(true);
        return;
    }
    DictPath = chosen;
    s.encoding = encoding;

    DictFileName = fileNamePart(DictPath);
    if (const auto name = shortNameOf(DictFileName)) nomepurobreve->setText(*name);
    LabIng->setText(texts::queryCaption(settings::italian(), nomepurobreve->text()));
    mChange->setEnabled(false);
    window->repaint();

    Sbianca->setChecked(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{CmdVai, CmdClear, Parola, Risposta, Storia, ListY})
        control->setEnabled(true);
    ListY->unsetCursor();
    ListZ->setEnabled(settings::nlOn());
    CmdBack->show();
    CmdForw->show();
    CmdBack->setEnabled(false);
    CmdForw->setEnabled(false);
    refreshKeepCaption(*this);
    Sbianca->show();
    Sbianca->setEnabled(true);
    Puntina->show();
    mChange->setEnabled(true);
    // Typing goes to the query box at once, not to whatever held the focus (EXIT at start).
    Parola->setFocus();
}

void DictionarySearch::mOpen_Click() {
    if (session().busy()) return;
    OpenDictionary();
}

void DictionarySearch::mChange_Click() {
    if (session().busy()) return;
    Parola->clear();
    Risposta->setPlainText(QString());
    for (QWidget* control : std::initializer_list<QWidget*>{Parola, Risposta, CmdVai, CmdClear})
        control->setEnabled(false);
    Storia->clear();
    Storia->setEnabled(false);
    ListZ->clear();
    ListZ->setEnabled(false);
    CmdPagP->hide();
    CmdPagN->hide();
    ListY->clear();
    ListY->setEnabled(false);
    ListY->unsetCursor();
    CmdBack->setEnabled(false);
    CmdForw->setEnabled(false);
    Sbianca->setEnabled(false);
    OmbraRisp->setText(noTranslation());

    OpenDictionary();

    // Without a dictionary a search could only fail.
    for (QWidget* control : std::initializer_list<QWidget*>{Parola, Risposta, CmdVai, CmdClear})
        control->setEnabled(!DictPath.isEmpty());
}
