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

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

void Form1::LoadNLPage() {
    if (session().busy()) return;
    const SearchSession::BusyScope busy(session());

    ListZ->clear();
    ListZ->hide();
    CmdPagP->hide();
    CmdPagN->hide();
    const WaitCursor wait(this);

    const QString exchange = exchangeFilePath();
    ExchangeReader& reader = session().exchange();
    if (!reader.open(exchange)) {
        // Deleted or replaced since the search: NL stays empty.
        ListZ->show();
        refreshKeepCaption(*this);
        prompts().showMessage(
            this, search_messages::title(),
            search_messages::pageNotRead(settings::italian(), exchange, reader.errorString()),
            UserPrompts::Icon::Warning);
        return;
    }

    PageReader page(NLPage, {QueryRoot, session().allHeadwords}, session().encoding);
    ListBatch neighbours(ListZ);
    EventPacer pacer;
    QByteArrayView line;
    QString text;
    bool reading = true;
    while (reading && reader.next(line)) {
        switch (page.take(line, text)) {
        case PageReader::Step::Skip:
            break;
        case PageReader::Step::Neighbour:
            neighbours.add(text);
            break;
        case PageReader::Step::MoreChunks:
            CmdPagN->show();
            reading = false;
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
    neighbours.flush();
    ListZ->show();
    reader.close();

    if (NLPage > 1) CmdPagP->show();
    refreshKeepCaption(*this);
    if (failed)
        prompts().showMessage(this, search_messages::title(),
                              search_messages::pageNotRead(settings::italian(), exchange, error),
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
