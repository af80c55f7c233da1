// SPDX-License-Identifier: GPL-3.0-or-later
// The query history: the record step, its enabling rule, and the reactions that walk it.
#include "dictionary_search.h"

#include "query_word.h"
#include "search_session.h"
#include "search_widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// What a recalled word clears: the previous answer and, unless kept, NL and WL.
void recall(DictionarySearch& w) {
    w.HistoryFlag = DictionarySearch::HistoryIdle;
    w.ApplyHistoryEnabling();
    w.emptyListsUnlessKept(DictionarySearch::PageButtons::NextOnly);
    w.view().Risposta->setPlainText(QString());
    setQueryRed(w.view().Parola, false);
}

// Back (-1) or Forward (+1): moves the cursor and recalls that entry.
void step(DictionarySearch& w, int by) {
    const int target = w.view().Storia->currentRow() + by;
    if (target < 0 || target >= w.view().Storia->count()) {
        w.ApplyHistoryEnabling();
        return;
    }
    w.HistoryFlag = DictionarySearch::HistoryMovedByCode;
    w.view().Storia->setCurrentRow(target);
    w.view().Parola->setText(w.view().Storia->item(target)->text());
    recall(w);
}

} // namespace

void DictionarySearch::RecordHistory() {
    if (HistoryFlag == HistoryRecord) {
        const QString queryWord = view_.Parola->text();
        bool known = false;
        for (int i = 0; i < view_.Storia->count() && !known; ++i)
            known = trimmedBlanks(view_.Storia->item(i)->text()) == queryWord;
        if (!known) {
            view_.Storia->addItem(queryWord);
            view_.Storia->setCurrentRow(view_.Storia->count() - 1);
        }
        HistoryFlag = HistoryIdle;
    }
    ApplyHistoryEnabling();
}

void DictionarySearch::ApplyHistoryEnabling() {
    const int cursor = view_.Storia->currentRow();
    view_.CmdBack->setEnabled(cursor > 0);
    view_.CmdForw->setEnabled(cursor < view_.Storia->count() - 1);
}

void DictionarySearch::Storia_Click() {
    if (HistoryFlag == HistoryMovedByCode) return;
    if (session().busy()) {
        // No recall while results load; the buttons still follow the cursor.
        ApplyHistoryEnabling();
        return;
    }
    const QListWidgetItem* entry = view_.Storia->currentItem();
    if (!entry) return; // the history was emptied
    view_.Parola->setText(entry->text());
    recall(*this);
}

void DictionarySearch::Storia_DblClick() {
    if (HistoryFlag == HistoryMovedByCode || session().busy()) return;
    const QListWidgetItem* entry = view_.Storia->currentItem();
    if (!entry) return;
    view_.Parola->setText(entry->text());
    HistoryFlag = HistoryIdle;
    ApplyHistoryEnabling();
    emptyListsUnlessKept(PageButtons::Both);
    view_.Risposta->setPlainText(QString());
    setQueryRed(view_.Parola, false);
    DoSearch();
}

void DictionarySearch::CmdBack_Click() {
    if (session().busy()) return;
    step(*this, -1);
}

void DictionarySearch::CmdForw_Click() {
    if (session().busy()) return;
    step(*this, +1);
}
