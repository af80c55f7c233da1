// SPDX-License-Identifier: GPL-3.0-or-later
// Routes every event of the main window to its reaction.
#include "form1.h"

#include "dictionary_search.h"
#include "key_codes.h"
#include "result_list.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

void Form1::routeEvents() {
    DictionarySearch* s = search_.get();
    connect(mOpen, &QAction::triggered, s, &DictionarySearch::mOpen_Click);
    connect(mChange, &QAction::triggered, s, &DictionarySearch::mChange_Click);
    connect(mExit, &QAction::triggered, this, &Form1::mExit_Click);
    connect(mOpzioni, &QAction::triggered, this, &Form1::mOpzioni_Click);
    connect(mInstru, &QAction::triggered, this, &Form1::mInstru_Click);
    connect(mTips, &QAction::triggered, this, &Form1::mTips_Click);
    connect(mAbout, &QAction::triggered, this, &Form1::mAbout_Click);

    Parola->installEventFilter(this);
    connect(CmdVai, &QPushButton::clicked, s, &DictionarySearch::CmdVai_Click);
    connect(CmdClear, &QPushButton::clicked, s, &DictionarySearch::CmdClear_Click);
    connect(ListZ, &ResultList::doubleClicked, s, &DictionarySearch::ListZ_DblClick);
    connect(ListY, &ResultList::doubleClicked, s, &DictionarySearch::ListY_DblClick);
    // Any change of the keep box's value, by the user or by code.
    connect(Sbianca, &QCheckBox::stateChanged, s, &DictionarySearch::Sbianca_Click);
    connect(CmdPagN, &QPushButton::clicked, s, &DictionarySearch::CmdPagN_Click);
    connect(CmdPagP, &QPushButton::clicked, s, &DictionarySearch::CmdPagP_Click);
    // Any change of the history selection, by the user or by code.
    connect(Storia, &QListWidget::currentRowChanged, s, &DictionarySearch::Storia_Click);
    connect(Storia, &QListWidget::itemDoubleClicked, s, &DictionarySearch::Storia_DblClick);
    connect(CmdBack, &QPushButton::clicked, s, &DictionarySearch::CmdBack_Click);
    connect(CmdForw, &QPushButton::clicked, s, &DictionarySearch::CmdForw_Click);
    connect(CmdEsci, &QPushButton::clicked, this, &Form1::CmdEsci_Click);
    // Enter on a list item does what a double-click does, for the keyboard.
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{ListZ, ListY, Storia})
        list->installEventFilter(this);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept(); // the close is never refused
    Form_Unload();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterKey(event)) {
        if (watched == ListZ) search_->ListZ_DblClick();
        if (watched == ListY) search_->ListY_DblClick();
        if (watched == Storia) search_->Storia_DblClick();
        if (watched == ListZ || watched == ListY || watched == Storia) return true;
    }
    if (watched == Parola && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Shift+Tab move the focus; they are not keys of the query box.
        const bool movesFocus = (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                                !(key->modifiers() & Qt::ControlModifier);
        if (!movesFocus) {
            search_->Parola_KeyDown(key->key());
            if (const auto code = characterCode(key->key(), key->modifiers(), key->text()))
                search_->Parola_KeyPress(*code);
        }
    }
    // Characters from dead keys, compose or an input method come without a key press.
    if (watched == Parola && event->type() == QEvent::InputMethod) {
        const QString typed = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!typed.isEmpty()) {
            search_->Parola_KeyDown(0);
            search_->Parola_KeyPress(typed.at(0).unicode());
        }
    }
    return QMainWindow::eventFilter(watched, event); // the key goes on unchanged
}
