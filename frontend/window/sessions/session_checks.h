// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold after every action of a session, judged from what the window shows and from
// the exchange file the last search left.

#include "session_actions.h"
#include "session_window.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The exchange file as it stands: enough to tell whether a search rewrote it.
struct ExchangeStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    bool operator==(const ExchangeStamp&) const = default;
};

ExchangeStamp exchangeStamp(const QString& path);

class SessionChecks {
public:
    // encodings: for each dictionary path, whether it is Windows-1252.
    SessionChecks(SessionWindow& window, QString exchangePath, QHash<QString, bool> windows1252);

    // Before each top-level action.
    void before(const Action& action);
    // After it: the first invariant that does not hold, or an empty string.
    QString after();
    // Around an action arriving during a read (see SessionWindow).
    void beforeMeanwhile(bool reading);
    void afterMeanwhile(bool reading);

    // What the session went through, for its summary.
    struct Counts {
        int searches = 0;
        int pagesShown = 0; // actions after which a page button showed
        int duringRead = 0; // actions that arrived while results were read
        int largestNL = 0;
    };
    const Counts& counts() const { return seen_; }

private:
    // The last search's request and the NL lines of each of its chunks.
    struct Exchange {
        QString queryWord, root, mode;
        QList<QStringList> pages;
        QStringList firstWhereinto; // the WL lines of the first chunk
    };
    Exchange readExchange() const;
    QString checkEnd() const;
    QString checkNeighbours() const;
    QString checkSearchLists(bool rewritten, bool judged) const;
    QString checkHistory() const;
    QString checkSearchRan(bool rewritten, bool judged) const;
    QString checkPages();
    QString checkCaption(bool rewritten, bool judged);
    QString checkColour(bool rewritten, bool judged);

    SessionWindow& w_;
    QString exchangePath_;
    QHash<QString, bool> windows1252_;

    // What the session has done so far, as far as the checks need it.
    Action action_;
    ExchangeStamp stamp_;
    QString caption_;
    int counts_[2] = {0, 0};
    bool historyButtonEnabled_[2] = {false, false};
    bool captionStale_ = false;
    bool searched_ = false;  // the exchange file holds a search of this session
    bool searchDue_ = false; // FIND or Enter on a word, with a dictionary open
    Exchange last_;          // that search, when a page button shows
    bool lastRead_ = false;
    qsizetype page_ = 1; // the page NL showed last
    QString nlRoot_;     // the root of the search that filled NL
    bool nlAll_ = false;
    bool redAllowed_ = false;
    bool meanwhileAfterRead_ = false; // the second action came only after the read
    QString meanwhileFault_;
    ExchangeStamp meanwhileStamp_;
    Counts seen_;
};
