// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_checks.h"

#include "result_list.h"
#include "search_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include <sys/stat.h>

#include <algorithm>

namespace {

QString decode(const QByteArray& bytes, bool windows1252) {
    if (!windows1252) return QString::fromUtf8(bytes);
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return text;
}

bool isRed(const QLineEdit* box) {
    return box->palette().color(QPalette::Text) == QColor(255, 0, 0);
}

bool blank(const QByteArray& line) {
    for (const char c : line)
        if (c != ' ') return false;
    return true;
}

} // namespace

using search_test::items;

ExchangeStamp exchangeStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return {info.st_size, info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec,
            info.st_ctim.tv_sec * 1'000'000'000LL + info.st_ctim.tv_nsec, info.st_ino};
}

SessionChecks::SessionChecks(SessionWindow& window, QString exchangePath,
                             QHash<QString, bool> windows1252)
    : w_(window), exchangePath_(std::move(exchangePath)), windows1252_(std::move(windows1252)) {
    stamp_ = exchangeStamp(exchangePath_);
}

// The request, and each chunk's NL lines as the format tells them from the other lines.
SessionChecks::Exchange SessionChecks::readExchange() const {
    QFile file(exchangePath_);
    Exchange e;
    if (!file.open(QIODevice::ReadOnly)) return e;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    if (lines.size() < 4) return e;
    const bool cp1252 = windows1252_.value(QString::fromUtf8(lines[0]));
    e.queryWord = decode(lines[1], cp1252);
    e.root = decode(lines[2], cp1252);
    e.mode = QString::fromLatin1(lines[3]);
    for (qsizetype i = 4; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.startsWith('*')) {
            e.pages.append(QStringList());
            continue;
        }
        if (e.pages.isEmpty() || line.startsWith('_') || line.startsWith('=') || blank(line))
            continue;
        const QString text = decode(line, cp1252);
        if (e.queryWord == QLatin1String("*") || text.startsWith(e.root))
            e.pages.last() << text;
        else if (e.pages.size() == 1)
            e.firstWhereinto << text;
    }
    return e;
}

void SessionChecks::before(const Action& action) {
    const MainControls& c = w_.controls();
    action_ = action;
    stamp_ = exchangeStamp(exchangePath_);
    caption_ = c.Sbianca->text();
    counts_[0] = c.ListZ->count();
    counts_[1] = c.ListY->count();
    historyButtonEnabled_[0] = c.CmdBack->isVisible() && c.CmdBack->isEnabled();
    historyButtonEnabled_[1] = c.CmdForw->isVisible() && c.CmdForw->isEnabled();
    searchDue_ = (action.kind == ActionKind::Find || action.kind == ActionKind::Enter) &&
                 c.CmdVai->isVisible() && c.CmdVai->isEnabled() &&
                 !c.Parola->text().trimmed().isEmpty();
    meanwhileAfterRead_ = false;
    meanwhileFault_.clear();
}

void SessionChecks::beforeMeanwhile(bool) {
    meanwhileStamp_ = exchangeStamp(exchangePath_);
}

void SessionChecks::afterMeanwhile(bool reading) {
    if (!reading) {
        meanwhileAfterRead_ = true;
        return;
    }
    ++seen_.duringRead;
    if (exchangeStamp(exchangePath_) != meanwhileStamp_)
        meanwhileFault_ =
            QStringLiteral("a search rewrote the exchange file during another's read");
}

QString SessionChecks::after() {
    if (!meanwhileFault_.isEmpty()) return meanwhileFault_;
    if (QString fault = checkEnd(); !fault.isEmpty()) return fault;
    const ExchangeStamp now = exchangeStamp(exchangePath_);
    const bool rewritten = now != stamp_;
    // With a second action run only after the first, the end state is both of theirs.
    const bool judged = !meanwhileAfterRead_;
    lastRead_ = false;
    seen_.largestNL = std::max(seen_.largestNL, w_.controls().ListZ->count());
    if (rewritten) {
        ++seen_.searches;
        searched_ = true;
        page_ = 1;
        last_ = readExchange();
        lastRead_ = true;
        if (last_.mode != QLatin1String("0")) {
            nlRoot_ = last_.root;
            nlAll_ = last_.queryWord == QLatin1String("*");
        }
    }
    for (QString fault : {checkSearchRan(rewritten, judged), checkSearchLists(rewritten, judged),
                          checkNeighbours(), checkHistory(), checkPages(),
                          checkCaption(rewritten, judged), checkColour(rewritten, judged)})
        if (!fault.isEmpty()) return fault;
    return QString();
}

QString SessionChecks::checkEnd() const {
    if (w_.prompts.endCalls > 0 || !w_.window().isVisible())
        return QStringLiteral("the program ended");
    if (!w_.prompts.messages.isEmpty())
        return QStringLiteral("a message: ") + w_.prompts.messages.last().text;
    return QString();
}

// FIND or Enter on a word is a search: it writes its request for the word the box then shows.
QString SessionChecks::checkSearchRan(bool rewritten, bool judged) const {
    if (!searchDue_) return QString();
    if (!rewritten) return QStringLiteral("a search of a word wrote no request");
    const QString shown = w_.controls().Parola->text();
    // A word typed meanwhile may stand in the box by now.
    if (judged && !action_.during && last_.queryWord != shown)
        return QStringLiteral("the request asks for \"%1\" while QW shows \"%2\"")
            .arg(last_.queryWord, shown);
    return QString();
}

QString SessionChecks::checkNeighbours() const {
    const ResultList* nl = w_.controls().ListZ;
    if (!searched_ || nlAll_) return QString();
    for (int i = 0; i < nl->count(); ++i)
        if (!nl->text(i).startsWith(nlRoot_))
            return QStringLiteral("NL item \"%1\" does not begin with the root \"%2\"")
                .arg(nl->text(i), nlRoot_);
    return QString();
}

// After a search NL and WL show the lines of the first chunk that the request asked for,
// whatever arrived while they were read.
QString SessionChecks::checkSearchLists(bool rewritten, bool judged) const {
    if (!rewritten || !judged) return QString();
    const MainControls& c = w_.controls();
    const bool nl = last_.mode == QLatin1String("1") || last_.mode == QLatin1String("3");
    const bool wl = last_.mode == QLatin1String("2") || last_.mode == QLatin1String("3");
    if (nl && items(c.ListZ) != last_.pages.value(0))
        return QStringLiteral("NL holds %1 items, not the %2 of the first chunk")
            .arg(c.ListZ->count())
            .arg(last_.pages.value(0).size());
    if (wl && items(c.ListY) != last_.firstWhereinto)
        return QStringLiteral("WL holds %1 items, not the %2 of the first chunk")
            .arg(c.ListY->count())
            .arg(last_.firstWhereinto.size());
    return QString();
}

QString SessionChecks::checkHistory() const {
    const MainControls& c = w_.controls();
    QSet<QString> seen;
    for (int i = 0; i < c.Storia->count(); ++i) {
        const QString entry = c.Storia->item(i)->text().trimmed();
        if (seen.contains(entry)) return QStringLiteral("\"%1\" twice in the history").arg(entry);
        seen.insert(entry);
    }
    const int cursor = c.Storia->currentRow();
    if (c.Storia->count() > 0 && cursor < 0) return QStringLiteral("no history entry selected");
    if (!c.CmdBack->isVisible()) return QString();
    if (c.CmdBack->isEnabled() != (cursor > 0))
        return QStringLiteral("Back enabled %1 with the cursor at %2")
            .arg(c.CmdBack->isEnabled())
            .arg(cursor);
    if (c.CmdForw->isEnabled() != (cursor < c.Storia->count() - 1))
        return QStringLiteral("Forward enabled %1 with the cursor at %2 of %3")
            .arg(c.CmdForw->isEnabled())
            .arg(cursor)
            .arg(c.Storia->count());
    return QString();
}

// A page button shows only when that page exists. NL shows a page of the last search, or
// nothing once a key or a recall emptied it; the previous-page button stays then.
QString SessionChecks::checkPages() {
    const MainControls& c = w_.controls();
    const bool next = c.CmdPagN->isVisible();
    const bool previous = c.CmdPagP->isVisible();
    if (!next && !previous) return QString();
    ++seen_.pagesShown;
    const Exchange e = lastRead_ ? last_ : readExchange();
    const QStringList shown = items(c.ListZ);
    if (!shown.isEmpty()) {
        qsizetype page = 0;
        for (qsizetype k = 0; k < e.pages.size() && page == 0; ++k)
            if (e.pages[k] == shown) page = k + 1;
        if (page == 0) return QStringLiteral("a page button shows while NL shows no page");
        page_ = page;
    }
    if (next && page_ >= e.pages.size())
        return QStringLiteral("next page shown on the last page %1").arg(page_);
    if (previous && page_ == 1) return QStringLiteral("previous page shown on the first page");
    return QString();
}

QString SessionChecks::checkCaption(bool rewritten, bool judged) {
    const MainControls& c = w_.controls();
    const QString caption = c.Sbianca->text();
    static const QRegularExpression counts(QStringLiteral("\\((\\d+)\\).*\\((\\d+)\\)"));
    const QRegularExpressionMatch m = counts.match(caption);
    if (!m.hasMatch()) return QString();
    const bool listsChanged = c.ListZ->count() != counts_[0] || c.ListY->count() != counts_[1];
    if (!judged || (caption == caption_ && !rewritten && listsChanged)) {
        // Lists emptied by a key, CLEAR or a recall keep the caption as it was.
        captionStale_ = true;
        return QString();
    }
    if (caption != caption_ || rewritten) captionStale_ = false;
    if (captionStale_) return QString();
    if (m.captured(1).toInt() != c.ListZ->count() || m.captured(2).toInt() != c.ListY->count())
        return QStringLiteral("keep box caption \"%1\" with %2 NL and %3 WL items")
            .arg(caption)
            .arg(c.ListZ->count())
            .arg(c.ListY->count());
    return QString();
}

QString SessionChecks::checkColour(bool rewritten, bool judged) {
    const MainControls& c = w_.controls();
    const bool red = isRed(c.Parola);
    const bool noTranslation = c.Risposta->toPlainText().trimmed().isEmpty();
    if (rewritten) {
        const bool shouldBeRed = noTranslation && last_.queryWord != QLatin1String("*");
        if (judged && red != shouldBeRed)
            return red ? QStringLiteral("QW red after a search with a translation")
                       : QStringLiteral("QW black after a search without translation");
        redAllowed_ = shouldBeRed;
    }
    const ActionKind k = action_.kind;
    if (k == ActionKind::TypeWord || k == ActionKind::Clear ||
        (k == ActionKind::Back && historyButtonEnabled_[0]) ||
        (k == ActionKind::Forward && historyButtonEnabled_[1]))
        redAllowed_ = false;
    if (red && !redAllowed_) return QStringLiteral("QW red without a search that found nothing");
    return QString();
}
