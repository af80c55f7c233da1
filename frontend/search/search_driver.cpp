// The search driver: one search for the query word in the query box, from the request to the
// filled lists.
#include "form1.h"

#include "bilingual_texts.h"
#include "event_pacer.h"
#include "exchange_request.h"
#include "long_lines.h"
#include "query_word.h"
#include "result_lines.h"
#include "root_rule.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QString allQuery = QStringLiteral("*");

void warn(Form1& w, const QString& text) {
    w.prompts().showMessage(&w, search_messages::title(), text, UserPrompts::Icon::Warning);
}

// Writes the request; false after telling the user why it could not be written.
bool writeSearchRequest(Form1& w, const SearchRequest& request) {
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

void showNeighboursCaption(Form1& w, const QString& queryWord) {
    w.LabVediAnche->setText(
        texts::neighboursCaption(settings::italian(), w.QueryRoot, queryWord == allQuery));
    w.LabVediAnche->setToolTip(QString());
    if (w.LabVediAnche->sizeHint().width() > w.ListZ->width())
        w.LabVediAnche->setToolTip(w.QueryRoot);
    w.LabVediAnche->repaint();
}

enum class ScanOutcome { Done, SearchEnded, ProgramEnded };

ScanOutcome runScanner(Form1& w) {
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
        w.prompts().showMessage(&w, search_messages::scanFailureTitle(),
                                search_messages::scanFailureText(), UserPrompts::Icon::Critical);
        w.session().closeFiles();
        w.prompts().endProgram();
        return ScanOutcome::ProgramEnded;
    }
    return ScanOutcome::Done;
}

enum class ReadOutcome { Done, SearchEnded, Abandoned };

// Reads the first chunk back into the translation, NL and WL; events run now and then.
ReadOutcome readFirstChunk(Form1& w, SearchMode mode, const QString& queryWord) {
    const bool italian = settings::italian();
    const QString exchange = exchangeFilePath();
    SearchSession& session = w.session();
    ExchangeReader& reader = session.exchange();
    if (!reader.open(exchange)) {
        warn(w,
             search_messages::exchangeNotRead(
                 italian, exchange, search_messages::exchangeProblem(italian, reader.problem())));
        return ReadOutcome::SearchEnded;
    }
    // Another copy of the program may have searched since this request was written.
    if (session.request.isEmpty() || !reader.beginsWith(session.request)) {
        reader.close();
        warn(w, search_messages::resultsReplaced(italian, exchange));
        return ReadOutcome::SearchEnded;
    }
    session.resultsSize = reader.size();
    w.Risposta->clear();

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
        return ReadOutcome::SearchEnded;
    }

    // Lists being filled stay hidden until every line is in.
    if (fillsNeighbours(mode)) {
        w.ListZ->hide();
        w.repaint();
    }
    if (fillsWhereinto(mode)) w.ListY->hide();

    // A click on the keep box meanwhile hides the page buttons, as it always does.
    const bool keptAtStart = w.Sbianca->isChecked();
    const FirstChunkReader chunk({w.QueryRoot, queryWord == allQuery}, session.encoding);
    ListBatch neighbours(w.ListZ);
    ListBatch whereinto(w.ListY);
    EventPacer pacer;
    QString text;
    bool cut = false;
    bool morePages = false;
    while (!morePages && reader.next(line)) {
        switch (chunk.take(line, text, &cut)) {
        case FirstChunkReader::Step::Nothing:
            break;
        case FirstChunkReader::Step::Neighbour:
            neighbours.add(text, cut);
            break;
        case FirstChunkReader::Step::Whereinto:
            whereinto.add(text, cut);
            break;
        case FirstChunkReader::Step::Translation:
            w.OmbraRisp->setText(shortened(text, longestTranslation));
            w.ExactMatchPos = static_cast<qint16>(std::min(neighbours.count(), 32767));
            break;
        case FirstChunkReader::Step::MoreChunks:
            morePages = true;
            break;
        }
        if (pacer.due()) {
            neighbours.flush();
            whereinto.flush();
            QCoreApplication::processEvents();
            // The program is ending: its files were closed under the read.
            if (!reader.isOpen()) return ReadOutcome::Abandoned;
        }
    }
    const bool failed = reader.failed();
    const QString error = reader.errorString();
    // Another search emptied and rewrote the file while it was read.
    const bool replaced = reader.size() != session.resultsSize;
    neighbours.flush();
    whereinto.flush();
    w.NLPage = 1;
    w.ListZ->show();
    w.ListY->show();
    reader.close();
    if (replaced) {
        session.resultsSize = -1;
        if (fillsNeighbours(mode)) w.ListZ->clear();
        if (fillsWhereinto(mode)) w.ListY->clear();
        w.OmbraRisp->setText(QString(6, u' '));
        w.ExactMatchPos = 0;
        refreshKeepCaption(w);
        warn(w, search_messages::resultsReplaced(italian, exchange));
        return ReadOutcome::SearchEnded;
    }
    if (morePages && w.Sbianca->isChecked() == keptAtStart) w.CmdPagN->show();
    if (failed) warn(w, search_messages::exchangeNotRead(italian, exchange, error));
    return ReadOutcome::Done;
}

} // namespace

void Form1::DoSearch() {
    // A search or page load is still reading its results.
    if (session().busy()) return;

    if (!Sbianca->isChecked()) {
        ListZ->clear();
        CmdPagP->hide();
        CmdPagN->hide();
        ListY->clear();
        repaint();
    }
    refreshKeepCaption(*this);
    ListZ->setEnabled(false);
    ListY->setEnabled(false);
    Risposta->clear();
    ExactMatchPos = 0;
    setQueryRed(Parola, false);

    const QString queryWord = queryWordFrom(Parola->text(), session().encoding);
    Parola->setText(queryWord);
    if (queryWord.isEmpty()) return;

    Risposta->clear();
    OmbraRisp->setText(QString(6, u' '));
    Parola->repaint();
    Risposta->repaint();
    const WaitCursor wait(this);

    RecordHistory();

    QueryRoot = queryRoot(queryWord, settings::rootPercentText());
    const SearchMode mode = searchMode(Sbianca->isChecked(), settings::nlOn(), settings::wlOn(),
                                       characterCount(QueryRoot));
    if (!writeSearchRequest(*this, {DictPath, queryWord, QueryRoot, mode})) return;
    if (fillsNeighbours(mode)) showNeighboursCaption(*this, queryWord);

    if (runScanner(*this) != ScanOutcome::Done) return;

    // Commands that would run into the read are ignored until the search has finished.
    const SearchSession::BusyScope busy(session());
    session().allHeadwords = queryWord == allQuery;
    if (readFirstChunk(*this, mode, queryWord) != ReadOutcome::Done) return;

    LayoutVertical();
    Risposta->setPlainText(OmbraRisp->text());
    if (isBlank(Risposta->toPlainText()) && queryWord != allQuery)
        setQueryRed(Parola, true);
    if (!Sbianca->isChecked() && ExactMatchPos > 0) ListZ->setCurrentRow(ExactMatchPos - 1);
    ListZ->setEnabled(settings::nlOn());
    refreshKeepCaption(*this);
    ListY->setEnabled(settings::wlOn());
}
