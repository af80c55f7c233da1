// SPDX-License-Identifier: GPL-3.0-or-later
// NL pages: any chunk of a long Neighbours List, read again from the last search's exchange file.
#include "dictionary_search.h"

#include "chunk_read.h"
#include "exchange_lines.h"
#include "exchange_request.h"
#include "result_sink.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "user_prompts.h"

#include "result_list.h"
#include <QCheckBox>
#include <QPushButton>

namespace {

// NL stays empty and the page buttons hidden; the user is told why.
void endEmpty(DictionarySearch& w, const QString& text) {
    w.view().ListZ->clear();
    w.view().ListZ->show();
    refreshKeepCaption(w.view());
    warn(w, text);
}

// Opens the exchange file of this window's last search; false after telling the user why not.
bool openPages(DictionarySearch& w) {
    SearchSession& s = w.session();
    const bool italian = settings::italian();
    const QString exchange = exchangeFilePath();
    ExchangeReader& reader = s.exchange();
    if (!reader.open(exchange)) {
        // Deleted or replaced since the search.
        endEmpty(
            w, search_messages::pageNotRead(
                   italian, exchange, search_messages::exchangeProblem(italian, reader.problem())));
        return false;
    }
    // Another search, or anything that cut the file short, has changed it since this search.
    if (s.request.isEmpty() || !reader.beginsWith(s.request) || reader.size() != s.resultsSize) {
        reader.close();
        endEmpty(w, search_messages::resultsReplaced(italian, exchange));
        return false;
    }
    return true;
}

} // namespace

void DictionarySearch::LoadNLPage() {
    if (session().busy()) return;
    const SearchSession::BusyScope busy(session());
    SearchSession& s = session();

    view_.ListZ->clear();
    view_.ListZ->hide();
    view_.CmdPagP->hide();
    view_.CmdPagN->hide();
    const WaitCursor wait(view_.window);
    if (!openPages(*this)) return;

    const bool keptAtStart = view_.Sbianca->isChecked();
    PageReader page(NLPage, {QueryRoot, s.allHeadwords}, s.encoding);
    const ChunkRead read = ResultSink(*this, page).readFrom(s.exchange(), s.resultsSize);
    if (read.abandoned) return; // the program is ending
    const bool italian = settings::italian();
    if (read.replaced) {
        endEmpty(*this, search_messages::resultsReplaced(italian, exchangeFilePath()));
        return;
    }

    // A click on the keep box meanwhile hides the page buttons, as it always does.
    if (view_.Sbianca->isChecked() == keptAtStart) {
        view_.CmdPagN->setVisible(read.morePages);
        if (NLPage > 1) view_.CmdPagP->show();
    }
    refreshKeepCaption(view_);
    if (read.failed)
        warn(*this, search_messages::pageNotRead(italian, exchangeFilePath(), read.error));
}

void DictionarySearch::CmdPagN_Click() {
    if (session().busy()) return;
    ++NLPage;
    LoadNLPage();
}

void DictionarySearch::CmdPagP_Click() {
    if (session().busy()) return;
    --NLPage;
    LoadNLPage();
}
