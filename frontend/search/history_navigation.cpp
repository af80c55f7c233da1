// The query history: the record step, its enabling rule, and the reactions that walk it.
#include "form1.h"

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
void recall(Form1& w) {
    w.HistoryFlag = 0;
    w.ApplyHistoryEnabling();
    if (!w.Sbianca->isChecked()) {
        w.ListZ->clear();
        w.CmdPagN->hide(); // the previous-page button keeps its state
        w.ListY->clear();
    }
    w.Risposta->setPlainText(QString());
    setQueryRed(w.Parola, false);
}

// Back (-1) or Forward (+1): moves the cursor and recalls that entry.
void step(Form1& w, int by) {
    const int target = w.Storia->currentRow() + by;
    if (target < 0 || target >= w.Storia->count()) {
        w.ApplyHistoryEnabling();
        return;
    }
    w.HistoryFlag = -1; // the selection change below is not a click on the history
    w.Storia->setCurrentRow(target);
    w.Parola->setText(w.Storia->item(target)->text());
    recall(w);
}

} // namespace

void Form1::RecordHistory() {
    if (HistoryFlag == 1) {
        const QString queryWord = Parola->text();
        bool known = false;
        for (int i = 0; i < Storia->count() && !known; ++i)
            known = trimmedBlanks(Storia->item(i)->text()) == queryWord;
        if (!known) {
            Storia->addItem(queryWord);
            Storia->setCurrentRow(Storia->count() - 1);
        }
        HistoryFlag = 0;
    }
    ApplyHistoryEnabling();
}

void Form1::ApplyHistoryEnabling() {
    const int cursor = Storia->currentRow();
    CmdBack->setEnabled(cursor > 0);
    CmdForw->setEnabled(cursor < Storia->count() - 1);
}

void Form1::Storia_Click() {
    if (HistoryFlag == -1) return;
    if (session().busy()) {
        // No recall while results load; the buttons still follow the cursor.
        ApplyHistoryEnabling();
        return;
    }
    const QListWidgetItem* entry = Storia->currentItem();
    if (!entry) return; // the history was emptied
    Parola->setText(entry->text());
    recall(*this);
}

void Form1::Storia_DblClick() {
    if (HistoryFlag == -1 || session().busy()) return;
    const QListWidgetItem* entry = Storia->currentItem();
    if (!entry) return;
    Parola->setText(entry->text());
    HistoryFlag = 0;
    ApplyHistoryEnabling();
    if (!Sbianca->isChecked()) {
        ListZ->clear();
        CmdPagP->hide();
        CmdPagN->hide();
        ListY->clear();
    }
    Risposta->setPlainText(QString());
    setQueryRed(Parola, false);
    DoSearch();
}

void Form1::CmdBack_Click() {
    if (session().busy()) return;
    step(*this, -1);
}

void Form1::CmdForw_Click() {
    if (session().busy()) return;
    step(*this, +1);
}
