// Query entry and list commands: keys in the query box, FIND, list double-clicks, the keep box
// and CLEAR.
#include "form1.h"

#include "long_lines.h"
#include "query_word.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int enterCode = 13;

// Puts a list item into the query box and searches it.
void searchListItem(Form1& w, QListWidget* list) {
    if (w.session().busy()) return;
    const QListWidgetItem* item = list->currentItem();
    if (!item) return; // nothing selected
    const std::optional<QString> query = itemQuery(*item);
    if (!query) {
        w.prompts().showMessage(&w, search_messages::title(),
                                search_messages::lineTooLong(settings::italian(), longestQuery),
                                UserPrompts::Icon::Warning);
        return;
    }
    w.Parola->setText(*query);
    if (isBlank(w.Parola->text())) return;
    w.HistoryFlag = 1;
    w.DoSearch();
}

} // namespace

void Form1::Parola_KeyDown(int) {
    HistoryFlag = 1;
}

void Form1::Parola_KeyPress(int charCode) {
    HistoryFlag = 1;
    // While results load the key only edits the word: clearing would run into the read.
    if (session().busy()) return;
    Risposta->setPlainText(QString());
    if (!Sbianca->isChecked()) {
        ListZ->clear();
        CmdPagN->hide(); // the previous-page button keeps its state
        ListY->clear();
    }
    setQueryRed(Parola, false);
    if (charCode == enterCode) DoSearch();
}

void Form1::CmdVai_Click() {
    if (session().busy()) return;
    if (!isBlank(Parola->text())) DoSearch();
}

void Form1::ListZ_DblClick() {
    searchListItem(*this, ListZ);
}

void Form1::ListY_DblClick() {
    searchListItem(*this, ListY);
}

void Form1::Sbianca_Click() {
    // The pictures follow the box because every change of its value runs this once.
    const bool looseShown = !Puntina->isHidden();
    Puntina->setHidden(looseShown);
    PuntinaOK->setHidden(!looseShown);
    CmdPagP->hide();
    CmdPagN->hide();
}

void Form1::CmdClear_Click() {
    if (session().busy()) return;
    HistoryFlag = 0;
    Parola->clear();
    setQueryRed(Parola, false);
    Risposta->setPlainText(QString());
    ListZ->clear();
    ListZ->setEnabled(false);
    CmdPagP->hide();
    CmdPagN->hide();
    ListY->clear();
    ListY->setEnabled(false);
}
