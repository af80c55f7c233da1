// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_search.h"

#include "search_host.h"
#include "search_session.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

DictionarySearch::DictionarySearch(const SearchView& view, SearchHost& host, QObject* parent)
    : QObject(parent), view_(view), host_(host), session_(std::make_unique<SearchSession>()) {
    setObjectName(QStringLiteral("search"));
}

DictionarySearch::~DictionarySearch() = default;

void DictionarySearch::closeFiles() {
    session_->closeFiles();
}

UserPrompts& DictionarySearch::prompts() {
    return host_.prompts();
}

bool DictionarySearch::emptyListsUnlessKept(PageButtons hidden) {
    if (view_.Sbianca->isChecked()) return false;
    view_.ListZ->clear();
    // A recalled word leaves the previous-page button as it is.
    if (hidden == PageButtons::Both) view_.CmdPagP->hide();
    view_.CmdPagN->hide();
    view_.ListY->clear();
    return true;
}
