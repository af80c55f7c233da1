// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_search.h"

#include "search_host.h"
#include "search_session.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

DictionarySearch::DictionarySearch(const SearchView& view, SearchHost& host, QObject* parent)
    : QObject(parent), SearchView(view), host_(host), session_(std::make_unique<SearchSession>()) {
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
    if (Sbianca->isChecked()) return false;
    ListZ->clear();
    // A recalled word leaves the previous-page button as it is.
    if (hidden == PageButtons::Both) CmdPagP->hide();
    CmdPagN->hide();
    ListY->clear();
    return true;
}
