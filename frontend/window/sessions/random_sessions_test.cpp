// SPDX-License-Identifier: GPL-3.0-or-later
// Random user sessions: thousands of seeded random actions on the real window, with the real
// scanner library and real dictionaries, some of them arriving while a search or a page change
// is reading its results. After every action the window must stay consistent.
//   VOCABRIX_SESSION_SEED=<n>     replays a session (each run prints its seed)
//   VOCABRIX_SESSION_ACTIONS=<n>  its length (5,000 unless set); a long run also needs
//                                 QTEST_FUNCTION_TIMEOUT (ms) above Qt Test's five minutes
// A failure prints the seed and the shortest action list found that still fails.

#include "session_checks.h"
#include "session_window.h"

#include "search_test_support.h"
#include "text_encoding.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

using search_test::Entry;

// The records sorted by their headword's bytes, as the scanner expects them.
QByteArray dictionaryBytes(QList<Entry> entries, bool windows1252) {
    const TextEncoding encoding = windows1252 ? TextEncoding::Windows1252 : TextEncoding::Utf8;
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return encodeText(a.headword, encoding) < encodeText(b.headword, encoding);
    });
    QByteArray bytes;
    for (const Entry& e : entries)
        bytes +=
            encodeText(e.headword, encoding) + '\n' + encodeText(e.translation, encoding) + '\n';
    return bytes;
}

// Search's Italian dictionary with a one-letter headword and a headword twice.
const QList<Entry> italian =
    search_test::italianEntries() + QList<Entry>{{"À", "at"}, {"CASA", "household"}};

const QList<Entry> german = {{"ÄRGER", "anger"},
                             {"ÄRGERLICH", "annoying"},
                             {"BÄR", "bear"},
                             {"ÜBER", "over"},
                             {"ÜBERALL", "everywhere"},
                             {"STRAßE", "street"},
                             {"ÖL", "oil, 5 €"},
                             {"GRÜN", "green"},
                             {"GRÜNE", "greens"},
                             {"ÉCLAIR", "eclair"},
                             {"EURO", "€"},
                             {"AUTOBAHN", "motorway"},
                             {"FÜR", "for"}};

// AHOY, H, HO00000 ... HO39997 and SHOE: 40,000 headwords, 39,999 of them begin with H.
QList<Entry> longEntries() {
    QList<Entry> entries{{"AHOY", "ahoy"}, {"H", "aitch"}, {"SHOE", "shoe"}};
    for (int i = 0; i < 39997; ++i)
        entries.append(
            {QStringLiteral("HO%1").arg(i, 5, 10, QChar(u'0')), QStringLiteral("t%1").arg(i)});
    return entries;
}

QtMessageHandler testHandler = nullptr;

// Drops the offscreen platform's notes on window features it lacks: a long run has thousands,
// and Qt Test would stop printing anything after the first two thousand messages.
void withoutPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        testHandler(type, context, text);
}

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok ? n : fallback;
}

} // namespace

class RandomSessionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomSession();

private:
    // Runs the actions in a fresh window; the index of the first that breaks an invariant
    // (with the fault), or -1.
    qsizetype run(const std::vector<Action>& actions, QString* fault);
    std::vector<Action> shrink(std::vector<Action> actions, QString* fault);

    QTemporaryDir cache_;
    QStringList dictionaries_;
    QHash<QString, bool> windows1252_;
};

void RandomSessionsTest::initTestCase() {
    testHandler = qInstallMessageHandler(withoutPlatformNotes);
    QVERIFY(cache_.isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path()));
    const struct {
        const char* name;
        QByteArray bytes;
        bool windows1252;
    } files[] = {{"italiano.txt", dictionaryBytes(italian, false), false},
                 {"deutsch.txt", dictionaryBytes(german, true), true},
                 {"lungo.txt", dictionaryBytes(longEntries(), false), false}};
    for (const auto& f : files) {
        const QString path = cache_.filePath(QString::fromLatin1(f.name));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(f.bytes) == f.bytes.size());
        dictionaries_ << path;
        windows1252_.insert(path, f.windows1252);
    }
}

qsizetype RandomSessionsTest::run(const std::vector<Action>& actions, QString* fault) {
    SessionWindow window(dictionaries_);
    window.prompts.answers = {{dictionaries_.first(), {}}};
    window.controls().mOpen->trigger();
    SessionChecks checks(window, cache_.filePath(QStringLiteral("vocabrix/zzz.log")), windows1252_);
    window.beforeMeanwhile = [&](bool reading) { checks.beforeMeanwhile(reading); };
    window.afterMeanwhile = [&](bool reading) { checks.afterMeanwhile(reading); };
    for (std::size_t i = 0; i < actions.size(); ++i) {
        checks.before(actions[i]);
        window.perform(actions[i]);
        *fault = checks.after();
        if (!fault->isEmpty()) return static_cast<qsizetype>(i);
    }
    const SessionChecks::Counts& seen = checks.counts();
    qInfo("%d searches, %d actions with a page button shown, %d actions during a read, "
          "at most %d NL items",
          seen.searches, seen.pagesShown, seen.duringRead, seen.largestNL);
    return -1;
}

// Drops ever smaller runs of actions while the rest still fails, within a time budget.
std::vector<Action> RandomSessionsTest::shrink(std::vector<Action> actions, QString* fault) {
    QElapsedTimer clock;
    clock.start();
    const qint64 budgetMs = environmentNumber("VOCABRIX_SESSION_SHRINK_SECONDS", 120) * 1000LL;
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < actions.size() && clock.elapsed() < budgetMs;) {
            std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<long>(start));
            fewer.insert(fewer.end(),
                         actions.begin() +
                             static_cast<long>(std::min(start + chunk, actions.size())),
                         actions.end());
            QString f;
            const qsizetype at = run(fewer, &f);
            if (at >= 0) {
                fewer.resize(static_cast<std::size_t>(at) + 1);
                actions = std::move(fewer);
                *fault = f;
            } else {
                start += chunk;
            }
        }
    }
    return actions;
}

void RandomSessionsTest::randomSession() {
    const unsigned seed = static_cast<unsigned>(
        environmentNumber("VOCABRIX_SESSION_SEED", static_cast<int>(std::random_device()() >> 1)));
    const int count = environmentNumber("VOCABRIX_SESSION_ACTIONS", 5000);
    qInfo("seed %u, %d actions", seed, count);
    ActionGenerator generator(seed);
    std::vector<Action> actions;
    for (int i = 0; i < count; ++i)
        actions.push_back(generator.next());
    QString fault;
    const qsizetype at = run(actions, &fault);
    if (at < 0) return;
    actions.resize(static_cast<std::size_t>(at) + 1);
    const QString first = fault;
    actions = shrink(std::move(actions), &fault);
    QString report = QStringLiteral("seed %1: action %2 of %3: %4\nshortest failing list found "
                                    "(%5 actions), after a dictionary choice of italiano.txt:")
                         .arg(seed)
                         .arg(at + 1)
                         .arg(count)
                         .arg(first)
                         .arg(actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i)
        report += QStringLiteral("\n  %1. %2").arg(i + 1).arg(actions[i].describe());
    report += QStringLiteral("\nit fails with: ") + fault;
    QFAIL(qPrintable(report));
}

QTEST_MAIN(RandomSessionsTest)
#include "random_sessions_test.moc"
