// Choosing the dictionary: the file dialog, the short name and the window's searching state.
#include "form1.h"

#include "bilingual_texts.h"
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

#include <sys/stat.h>

namespace {

// The dialog: an existing file only, starting in the folder the previous one was left in.
OpenDialogAnswer ShowOpenDialog(Form1& window, const QStringList& filters) {
    OpenDialogRequest request;
    request.title = QStringLiteral("Seleziona un file qualsiasi di questa Cartella");
    request.filters = filters;
    request.startFolder = window.session().LastFolder;
    return window.prompts().chooseFile(&window, request);
}

// A folder, a pipe or a device exists but cannot be a dictionary: reading a pipe or a device
// could hold the window up for good. A missing file is left to the search to report.
bool existsButIsNoFile(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

const QStringList dictionaryFilters = {QStringLiteral("Dictionary files (*.txt)"),
                                       QStringLiteral("File *.txt (*.txt)")};

} // namespace

void Form1::OpenDictionary() {
    mOpen->setEnabled(false);
    SearchSession& s = session();
    if (s.LastFolder.isEmpty()) s.LastFolder = QDir::currentPath();
    const OpenDialogAnswer answer = ShowOpenDialog(*this, dictionaryFilters);
    if (!answer.folderLeftIn.isEmpty()) s.LastFolder = answer.folderLeftIn;

    QString chosen = answer.path;
    if (hasLineBreak(chosen)) {
        // It could not be passed on in the request's first line.
        prompts().showMessage(this, search_messages::title(),
                              search_messages::pathWithLineBreak(settings::italian(), chosen),
                              UserPrompts::Icon::Warning);
        chosen.clear();
    } else if (!chosen.trimmed().isEmpty() && existsButIsNoFile(chosen)) {
        prompts().showMessage(this, search_messages::title(),
                              search_messages::notAFile(settings::italian(), chosen),
                              UserPrompts::Icon::Warning);
        chosen.clear();
    }
    if (chosen.trimmed().isEmpty()) {
        if (DictPath.isEmpty()) {
            mOpen->setEnabled(true); // nothing chosen yet: the first choice stays open
            return;
        }
        chosen = DictPath; // a cancelled change keeps the dictionary chosen before
    }
    DictPath = chosen;
    s.encoding = detectFileEncoding(DictPath);

    DictFileName = fileNamePart(DictPath);
    if (const auto name = shortNameOf(DictFileName)) nomepurobreve->setText(*name);
    LabIng->setText(texts::queryCaption(settings::italian(), nomepurobreve->text()));
    mChange->setEnabled(false);
    repaint();

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
}

void Form1::mOpen_Click() {
    if (session().busy()) return;
    OpenDictionary();
}

void Form1::mChange_Click() {
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
    OmbraRisp->setText(QString(6, u' '));

    OpenDictionary();

    for (QWidget* control : std::initializer_list<QWidget*>{Parola, Risposta, CmdVai, CmdClear})
        control->setEnabled(true);
}
