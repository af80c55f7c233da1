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
    w.view().Parola->setText(*query);
    if (isBlank(w.view().Parola->text())) return;
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
    view_.Risposta->setPlainText(QString());
    emptyListsUnlessKept(PageButtons::NextOnly);
    setQueryRed(view_.Parola, false);
    if (charCode == enterCode) DoSearch();
}

void DictionarySearch::CmdVai_Click() {
    if (session().busy()) return;
    if (!isBlank(view_.Parola->text())) DoSearch();
}

void DictionarySearch::ListZ_DblClick() {
    searchListItem(*this, view_.ListZ);
}

void DictionarySearch::ListY_DblClick() {
    searchListItem(*this, view_.ListY);
}

void DictionarySearch::Sbianca_Click() {
    // The pictures follow the box because every change of its value runs this once.
    const bool looseShown = !view_.Puntina->isHidden();
    view_.Puntina->setHidden(looseShown);
    view_.PuntinaOK->setHidden(!looseShown);
    view_.CmdPagP->hide();
    view_.CmdPagN->hide();
}

void DictionarySearch::CmdClear_Click() {
    if (session().busy()) return;
    HistoryFlag = HistoryIdle;
    view_.Parola->clear();
    setQueryRed(view_.Parola, false);
    view_.Risposta->setPlainText(QString());
    view_.ListZ->clear();
    view_.ListZ->setEnabled(false);
    view_.CmdPagP->hide();
    view_.CmdPagN->hide();
    view_.ListY->clear();
    view_.ListY->setEnabled(false);
}
