// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_routing.h"

#include "dictionary_search.h"
#include "key_codes.h"
#include "result_list.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
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

// Enter acts on a selected row only: Ctrl+click takes the selection from the current row.
bool currentRowSelected(const QObject* watched) {
    const auto* list = qobject_cast<const QAbstractItemView*>(watched);
    return list && list->selectionModel()->isSelected(list->currentIndex());
}

// Enter on a list item and the keys of the query box.
class KeyRouting : public QObject {
public:
    explicit KeyRouting(DictionarySearch& search) : QObject(&search), s_(search) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DictionarySearch& s_;
};

bool KeyRouting::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterKey(event)) {
        const bool onRow = currentRowSelected(watched);
        const SearchView& v = s_.view();
        if (onRow && watched == v.ListZ) s_.ListZ_DblClick();
        if (onRow && watched == v.ListY) s_.ListY_DblClick();
        if (onRow && watched == v.Storia) s_.Storia_DblClick();
        if (watched == v.ListZ || watched == v.ListY || watched == v.Storia) return true;
    }
    if (watched == s_.view().Parola && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Shift+Tab move the focus; they are not keys of the query box.
        const bool movesFocus = (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                                !(key->modifiers() & Qt::ControlModifier);
        if (!movesFocus) {
            s_.Parola_KeyDown(key->key());
            if (const auto code = characterCode(key->key(), key->modifiers(), key->text()))
                s_.Parola_KeyPress(*code);
        }
    }
    // Characters from dead keys, compose or an input method come without a key press.
    if (watched == s_.view().Parola && event->type() == QEvent::InputMethod) {
        const QString typed = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!typed.isEmpty()) {
            s_.Parola_KeyDown(0);
            s_.Parola_KeyPress(typed.at(0).unicode());
        }
    }
    return false; // the key goes on unchanged
}

} // namespace

void routeSearchEvents(DictionarySearch& search) {
    using DS = DictionarySearch;
    DS* s = &search;
    QObject::connect(s->view().mOpen, &QAction::triggered, s, &DS::mOpen_Click);
    QObject::connect(s->view().mChange, &QAction::triggered, s, &DS::mChange_Click);
    auto* keys = new KeyRouting(search);
    s->view().Parola->installEventFilter(keys);
    QObject::connect(s->view().CmdVai, &QPushButton::clicked, s, &DS::CmdVai_Click);
    QObject::connect(s->view().CmdClear, &QPushButton::clicked, s, &DS::CmdClear_Click);
    QObject::connect(s->view().ListZ, &ResultList::doubleClicked, s, &DS::ListZ_DblClick);
    QObject::connect(s->view().ListY, &ResultList::doubleClicked, s, &DS::ListY_DblClick);
    // Any change of the keep box's value, by the user or by code.
    QObject::connect(s->view().Sbianca, &QCheckBox::stateChanged, s, &DS::Sbianca_Click);
    QObject::connect(s->view().CmdPagN, &QPushButton::clicked, s, &DS::CmdPagN_Click);
    QObject::connect(s->view().CmdPagP, &QPushButton::clicked, s, &DS::CmdPagP_Click);
    // Any change of the history selection, by the user or by code.
    QObject::connect(s->view().Storia, &QListWidget::currentRowChanged, s, &DS::Storia_Click);
    QObject::connect(s->view().Storia, &QListWidget::itemDoubleClicked, s, &DS::Storia_DblClick);
    QObject::connect(s->view().CmdBack, &QPushButton::clicked, s, &DS::CmdBack_Click);
    QObject::connect(s->view().CmdForw, &QPushButton::clicked, s, &DS::CmdForw_Click);
    // Enter on a list item does what a double-click does, for the keyboard.
    s->view().ListZ->installEventFilter(keys);
    s->view().ListY->installEventFilter(keys);
    s->view().Storia->installEventFilter(keys);
}
