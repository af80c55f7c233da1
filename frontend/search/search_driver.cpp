// SPDX-License-Identifier: GPL-3.0-or-later
// The search driver: one search for the query word in the query box, from the request to the
// filled lists.
#include "dictionary_search.h"

#include "bilingual_texts.h"
#include "chunk_read.h"
#include "exchange_lines.h"
#include "exchange_request.h"
#include "query_word.h"
#include "result_sink.h"
#include "root_rule.h"
#include "search_host.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "text_encoding.h"
#include "user_prompts.h"

#include "result_list.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <lexscan/exchange_format.h>

namespace {

const QString allQuery = QString::fromLatin1(lexscan::everyHeadword);

// Writes the request; false after telling the user why it could not be written.
bool writeSearchRequest(DictionarySearch& w, const SearchRequest& request) {
    const bool italian = settings::italian();
    SearchSession& session = w.session();
    // Whatever the file held belongs to no search of this window from now on.
    session.request.clear();
    session.resultsSize = -1;
    const QString exchange = exchangeFilePath();
    if (exchange.isEmpty()) {
        warn(w, search_messages::noExchangeFolder(italian));
        return false;
    }
    ExchangeProblem problem = makePrivateFolder(exchangeFolderPath());
    if (problem.ok()) problem = writeRequest(exchange, request, session.encoding);
    if (!problem.ok()) {
        warn(w, search_messages::exchangeNotWritten(
                    italian, exchange, search_messages::exchangeProblem(italian, problem)));
        return false;
    }
    session.request = requestBytes(request, session.encoding);
    return true;
}

void showNeighboursCaption(DictionarySearch& w, const QString& queryWord) {
    w.view().LabVediAnche->setText(
        texts::neighboursCaption(settings::italian(), w.QueryRoot, queryWord == allQuery));
    w.view().LabVediAnche->setToolTip(QString());
    if (w.view().LabVediAnche->sizeHint().width() > w.view().ListZ->width())
        w.view().LabVediAnche->setToolTip(w.QueryRoot);
    w.view().LabVediAnche->repaint();
}

enum class ScanOutcome { Done, SearchEnded, ProgramEnded };

ScanOutcome runScanner(DictionarySearch& w) {
    ScannerBinding& scanner = w.session().scanner();
    const bool italian = settings::italian();
    switch (scanner.load()) {
    case ScannerBinding::Problem::None:
        break;
    case ScannerBinding::Problem::LibraryMissing:
        warn(w, search_messages::libraryMissing(italian, scanner.libraryName(), scanner.detail()));
        return ScanOutcome::SearchEnded;
    case ScannerBinding::Problem::EntryMissing:
        warn(w, search_messages::entryMissing(italian, scanner.libraryName(), scanner.entryName()));
        return ScanOutcome::SearchEnded;
    }
    const auto result = static_cast<qint16>(scanner.call(0));
    if (result > 0) {
        w.prompts().showMessage(w.view().window, search_messages::scanFailureTitle(),
                                search_messages::scanFailureText(), UserPrompts::Icon::Critical);
        w.closeFiles();
        w.prompts().endProgram();
        return ScanOutcome::ProgramEnded;
    }
    return ScanOutcome::Done;
}

enum class ReadOutcome { Done, SearchEnded, Abandoned };

// Opens the exchange file past the request and the first chunk header; false after telling
// the user why it cannot be read.
bool openFirstChunk(DictionarySearch& w) {
    const bool italian = settings::italian();
    const QString exchange = exchangeFilePath();
    SearchSession& session = w.session();
    ExchangeReader& reader = session.exchange();
    if (!reader.open(exchange)) {
        warn(w,
             search_messages::exchangeNotRead(
                 italian, exchange, search_messages::exchangeProblem(italian, reader.problem())));
        return false;
    }
    // Another copy of the program may have searched since this request was written.
    if (session.request.isEmpty() || !reader.beginsWith(session.request)) {
        reader.close();
        warn(w, search_messages::resultsReplaced(italian, exchange));
        return false;
    }
    session.resultsSize = reader.size();
    w.view().Risposta->clear();

    // The request and the first chunk header; a scanner that could not append leaves none.
    QByteArrayView line;
    int skipped = 0;
    while (skipped <= requestLineCount && reader.next(line))
        ++skipped;
    if (skipped <= requestLineCount || classifyLine(line) != LineKind::ChunkHeader) {
        const bool failed = reader.failed();
        reader.close();
        warn(w, failed ? search_messages::exchangeNotRead(italian, exchange, reader.errorString())
                       : search_messages::noResults(italian, exchange));
        return false;
    }
    return true;
}

// The lists this search filled are emptied again: they would not be this search's.
void dropReplacedResults(DictionarySearch& w, SearchMode mode) {
    w.session().resultsSize = -1;
    if (fillsNeighbours(mode)) w.view().ListZ->clear();
    if (fillsWhereinto(mode)) w.view().ListY->clear();
    w.view().OmbraRisp->setText(noTranslation());
    w.ExactMatchPos = 0;
    refreshKeepCaption(w.view());
    warn(w, search_messages::resultsReplaced(settings::italian(), exchangeFilePath()));
}

// Reads the first chunk back into the translation, NL and WL; events run now and then.
ReadOutcome readFirstChunk(DictionarySearch& w, SearchMode mode, const QString& queryWord) {
    if (!openFirstChunk(w)) return ReadOutcome::SearchEnded;
    // Lists being filled stay hidden until every line is in.
    if (fillsNeighbours(mode)) {
        // What changed since the scan began: NL hidden, the lists disabled, the keep box's
        // caption and the history.
        const SearchView& v = w.view();
        v.ListZ->hide();
        repaintPlaces({v.ListZ, v.ListY, v.Sbianca, v.Storia, v.CmdBack, v.CmdForw});
    }
    if (fillsWhereinto(mode)) w.view().ListY->hide();

    // A click on the keep box meanwhile hides the page buttons, as it always does.
    const bool keptAtStart = w.view().Sbianca->isChecked();
    SearchSession& session = w.session();
    const FirstChunkReader chunk({w.QueryRoot, queryWord == allQuery}, session.encoding);
    const ChunkRead read = ResultSink(w, chunk).readFrom(session.exchange(), session.resultsSize);
    if (read.abandoned) return ReadOutcome::Abandoned;
    w.NLPage = 1;
    if (read.replaced) {
        dropReplacedResults(w, mode);
        return ReadOutcome::SearchEnded;
    }
    if (read.morePages && w.view().Sbianca->isChecked() == keptAtStart) w.view().CmdPagN->show();
    if (read.failed)
        warn(w,
             search_messages::exchangeNotRead(settings::italian(), exchangeFilePath(), read.error));
    return ReadOutcome::Done;
}

// What the search shows once its results are in.
void showResults(DictionarySearch& w, const QString& queryWord) {
    w.host().LayoutVertical();
    w.view().Risposta->setPlainText(w.view().OmbraRisp->text());
    if (isBlank(w.view().Risposta->toPlainText()) && queryWord != allQuery)
        setQueryRed(w.view().Parola, true);
    if (!w.view().Sbianca->isChecked() && w.ExactMatchPos > 0)
        w.view().ListZ->setCurrentRow(w.ExactMatchPos - 1);
    w.view().ListZ->setEnabled(settings::nlOn());
    refreshKeepCaption(w.view());
    w.view().ListY->setEnabled(settings::wlOn());
}

} // namespace

void DictionarySearch::DoSearch() {
    // A search or page load is still reading its results.
    if (session().busy()) return;

    // The emptied lists and hidden page buttons, and the controls a search starts from (a list's
    // selection, FIND released), show while the scanner runs.
    if (emptyListsUnlessKept(PageButtons::Both))
        repaintPlaces(
            {view_.ListZ, view_.ListY, view_.CmdPagP, view_.CmdPagN, view_.CmdVai, view_.Storia});
    refreshKeepCaption(view_);
    view_.ListZ->setEnabled(false);
    view_.ListY->setEnabled(false);
    view_.Risposta->clear();
    ExactMatchPos = 0;
    setQueryRed(view_.Parola, false);

    const QString queryWord = queryWordFrom(view_.Parola->text(), session().encoding);
    view_.Parola->setText(queryWord);
    if (queryWord.isEmpty()) return;

    view_.Risposta->clear();
    view_.OmbraRisp->setText(noTranslation());
    view_.Parola->repaint();
    view_.Risposta->repaint();
    const WaitCursor wait(view_.window);

    RecordHistory();

    QueryRoot = queryRoot(queryWord, settings::rootPercentText());
    const SearchMode mode = searchMode(view_.Sbianca->isChecked(), settings::nlOn(),
                                       settings::wlOn(), characterCount(QueryRoot));
    // No headword can hold a character the dictionary's encoding has no bytes for (the root is
    // the word's beginning): the search finds nothing without asking the scanner.
    const bool writable = encodable(queryWord, session().encoding);
    if (writable && !writeSearchRequest(*this, {DictPath, queryWord, QueryRoot, mode})) return;
    if (fillsNeighbours(mode)) showNeighboursCaption(*this, queryWord);
    if (!writable) {
        NLPage = 1;
        showResults(*this, queryWord);
        return;
    }

    if (runScanner(*this) != ScanOutcome::Done) return;

    // Commands that would run into the read are ignored until the search has finished.
    const SearchSession::BusyScope busy(session());
    session().allHeadwords = queryWord == allQuery;
    if (readFirstChunk(*this, mode, queryWord) != ReadOutcome::Done) return;
    showResults(*this, queryWord);
}
