// SPDX-License-Identifier: GPL-3.0-or-later
// Query entry and list commands: keys in the query box, FIND, list double-clicks, the keep box
// and CLEAR.
#include "dictionary_search.h"

#include "long_lines.h"
#include "query_word.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "user_prompts.h"

#include "result_list.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int enterCode = 13;

// Puts a list item into the query box and searches it.
void searchListItem(DictionarySearch& w, ResultList* list) {
    if (w.session().busy()) return;
    const int row = list->currentRow();
    if (row < 0) return; // nothing selected
    const std::optional<QString> query = list->lines()->query(row);
    if (!query) {
        warn(w, search_messages::lineTooLong(settings::italian(), longestQuery));
        return;
    }
    w.Parola->setText(*query);
    if (isBlank(w.Parola->text())) return;
    w.HistoryFlag = DictionarySearch::HistoryRecord;
    w.DoSearch();
}

} // namespace

void DictionarySearch::Parola_KeyDown(int) {
    HistoryFlag = HistoryRecord;
}

void DictionarySearch::Parola_KeyPress(int charCode) {
    HistoryFlag = HistoryRecord;
    // While results load the key only edits the word: clearing would run into the read.
    if (session().busy()) return;
    Risposta->setPlainText(QString());
    emptyListsUnlessKept(PageButtons::NextOnly);
    setQueryRed(Parola, false);
    if (charCode == enterCode) DoSearch();
}

void DictionarySearch::CmdVai_Click() {
    if (session().busy()) return;
    if (!isBlank(Parola->text())) DoSearch();
}

void DictionarySearch::ListZ_DblClick() {
    searchListItem(*this, ListZ);
}

void DictionarySearch::ListY_DblClick() {
    searchListItem(*this, ListY);
}

void DictionarySearch::Sbianca_Click() {
    // The pictures follow the box because every change of its value runs this once.
    const bool looseShown = !Puntina->isHidden();
    Puntina->setHidden(looseShown);
    PuntinaOK->setHidden(!looseShown);
    CmdPagP->hide();
    CmdPagN->hide();
}

void DictionarySearch::CmdClear_Click() {
    if (session().busy()) return;
    HistoryFlag = HistoryIdle;
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
