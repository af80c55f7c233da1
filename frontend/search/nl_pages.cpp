// NL pages: any chunk of a long Neighbours List, read again from the last search's exchange file.
#include "form1.h"

#include "event_pacer.h"
#include "exchange_request.h"
#include "result_lines.h"
#include "search_messages.h"
#include "search_session.h"
#include "search_widgets.h"
#include "settings.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

namespace {

// NL stays empty and the page buttons hidden; the user is told why.
void endEmpty(Form1& w, const QString& text) {
    w.ListZ->clear();
    w.ListZ->show();
    refreshKeepCaption(w);
    w.prompts().showMessage(&w, search_messages::title(), text, UserPrompts::Icon::Warning);
}

} // namespace

void Form1::LoadNLPage() {
    if (session().busy()) return;
    const SearchSession::BusyScope busy(session());
    SearchSession& s = session();
    const bool italian = settings::italian();

    ListZ->clear();
    ListZ->hide();
    CmdPagP->hide();
    CmdPagN->hide();
    const WaitCursor wait(this);

    const QString exchange = exchangeFilePath();
    ExchangeReader& reader = s.exchange();
    if (!reader.open(exchange)) {
        // Deleted or replaced since the search.
        endEmpty(*this, search_messages::pageNotRead(
                            italian, exchange,
                            search_messages::exchangeProblem(italian, reader.problem())));
        return;
    }
    // Another search, or anything that cut the file short, has changed it since this search.
    if (s.request.isEmpty() || !reader.beginsWith(s.request) || reader.size() != s.resultsSize) {
        reader.close();
        endEmpty(*this, search_messages::resultsReplaced(italian, exchange));
        return;
    }

    const bool keptAtStart = Sbianca->isChecked();
    PageReader page(NLPage, {QueryRoot, s.allHeadwords}, s.encoding);
    ListBatch neighbours(ListZ);
    EventPacer pacer;
    QByteArrayView line;
    QString text;
    bool cut = false;
    bool morePages = false;
    while (!morePages && reader.next(line)) {
        switch (page.take(line, text, &cut)) {
        case PageReader::Step::Skip:
            break;
        case PageReader::Step::Neighbour:
            neighbours.add(text, cut);
            break;
        case PageReader::Step::MoreChunks:
            morePages = true;
            break;
        }
        if (pacer.due()) {
            neighbours.flush();
            QCoreApplication::processEvents();
            if (!reader.isOpen()) return; // the program is ending
        }
    }
    const bool failed = reader.failed();
    const QString error = reader.errorString();
    const bool replaced = reader.size() != s.resultsSize;
    neighbours.flush();
    ListZ->show();
    reader.close();
    if (replaced) {
        endEmpty(*this, search_messages::resultsReplaced(italian, exchange));
        return;
    }

    // A click on the keep box meanwhile hides the page buttons, as it always does.
    if (Sbianca->isChecked() == keptAtStart) {
        CmdPagN->setVisible(morePages);
        if (NLPage > 1) CmdPagP->show();
    }
    refreshKeepCaption(*this);
    if (failed)
        prompts().showMessage(this, search_messages::title(),
                              search_messages::pageNotRead(italian, exchange, error),
                              UserPrompts::Icon::Warning);
}

void Form1::CmdPagN_Click() {
    if (session().busy()) return;
    ++NLPage;
    LoadNLPage();
}

void Form1::CmdPagP_Click() {
    if (session().busy()) return;
    --NLPage;
    LoadNLPage();
}
