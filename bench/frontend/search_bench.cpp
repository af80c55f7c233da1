// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole searches against the scanner alone, in one run on one or more dictionaries:
//   vocabrix_search_bench --dictionary <file.txt> [--dictionary <other.txt>] [--runs N]
//   vocabrix_search_bench --smoke      (a small made-up dictionary, one run)
// The whole search runs from Enter to filled lists; the scanner alone is MYFUNC on the same
// request; the fill is the difference. The peak resident size is the process's highest over
// each query's searches (reset before them). The exchange file goes to a temporary folder,
// never the user's.

#include "dictionary_search.h"
#include "exchange_request.h"
#include "fake_prompts.h"
#include "form1.h"
#include "root_rule.h"
#include "scanner_binding.h"
#include "search_mode.h"
#include "search_session.h"
#include "text_encoding.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Options {
    QStringList dictionaries;
    int runs = 5;
    bool smoke = false;
};

bool parse(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--smoke") {
            options.smoke = true;
            options.runs = 1;
        } else if (args[i] == "--dictionary" && i + 1 < args.size()) {
            options.dictionaries.append(args[++i]);
        } else if (args[i] == "--runs" && i + 1 < args.size()) {
            options.runs = std::max(1, args[++i].toInt());
        } else {
            return false;
        }
    }
    return options.smoke || !options.dictionaries.isEmpty();
}

// HAUS and its neighbours, then 40,000 more headwords so that "*" needs two pages, and one
// headword with UNG inside.
QString writeSmokeDictionary(const QTemporaryDir& dir) {
    QByteArray bytes = "BAUHAUS\nbuilding school\nHAUS\nhouse\nHAUSTIER\npet\n";
    for (int i = 0; i < 40000; ++i)
        bytes += "WORT" + QByteArray::number(100000 + i) + "\nword\n";
    bytes += "ZEITUNG\nnewspaper\n"; // a WL line for UNG
    const QString path = dir.filePath("smoke.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Chunks in the exchange file of the last search.
int chunkCount() {
    QFile file(exchangeFilePath());
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int lines = 0;
    int chunks = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (++lines > 4 && line.startsWith('*')) ++chunks;
    }
    return chunks;
}

// Resets the peak resident size of this process to its current size.
void resetPeak() {
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly)) file.write("5");
}

// The peak resident size of this process, in MB.
double peakMb() {
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

struct Figures {
    double scan = 0;
    double search = 0;
    int nlItems = 0;
    int wlItems = 0;
    double peak = 0;
};

class Bench {
public:
    Bench(DictionarySearch& search, const QString& dictionary)
        : w_(search), dictionary_(dictionary) {}

    // The scanner alone on the request the search would write.
    double scanAlone(const QString& word) {
        const QString root = queryRoot(word, QStringLiteral("50"));
        const SearchMode mode = searchMode(false, true, true, characterCount(root));
        QString error;
        if (!makePrivateFolder(exchangeFolderPath(), &error) ||
            !writeRequest(exchangeFilePath(), {dictionary_, word, root, mode},
                          w_.session().encoding, &error))
            qFatal("cannot write the request: %s", qPrintable(error));
        return timeMs([&] { w_.session().scanner().call(0); });
    }

    double wholeSearch(const QString& word) {
        w_.Parola->setText(word);
        return timeMs([&] { w_.Parola_KeyPress(13); });
    }

    Figures measure(const QString& word, int runs) {
        std::vector<double> scans, searches;
        w_.Parola->setText(QStringLiteral("ZZZ"));
        w_.Parola_KeyPress(13); // the lists of the query before go
        resetPeak();
        for (int i = 0; i < runs; ++i) {
            scans.push_back(scanAlone(word));
            searches.push_back(wholeSearch(word));
        }
        return {median(scans), median(searches), w_.ListZ->count(), w_.ListY->count(), peakMb()};
    }

    // A page change to the last page of the last search.
    double lastPage(int runs, int pages) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            w_.NLPage = static_cast<qint16>(pages - 1);
            times.push_back(timeMs([&] { w_.CmdPagN_Click(); }));
        }
        return median(times);
    }

private:
    DictionarySearch& w_;
    QString dictionary_;
};

void printRow(const char* what, const Figures& f) {
    std::printf("%-6s %10.1f %13.1f %8.2fx %9.1f %9d %9d %9.0f\n", what, f.scan, f.search,
                f.search / f.scan, f.search - f.scan, f.nlItems, f.wlItems, f.peak);
}

// Every query on one dictionary, then its table; false when a search did not run through.
bool benchDictionary(const QString& dictionary, int runs) {
    if (!QFile::exists(dictionary)) {
        std::fprintf(stderr, "no dictionary at %s\n", qPrintable(dictionary));
        return false;
    }
    FakePrompts prompts;
    Form1 window(prompts);
    window.show();
    QApplication::processEvents();
    prompts.answers.append({dictionary, {}});
    DictionarySearch& search = *window.findChild<DictionarySearch*>();
    search.mOpen_Click();
    if (search.session().scanner().load() != ScannerBinding::Problem::None) {
        std::fprintf(stderr, "the scanner library did not load: %s\n",
                     qPrintable(search.session().scanner().detail()));
        return false;
    }

    Bench bench(search, dictionary);
    const Figures haus = bench.measure(QStringLiteral("HAUS"), runs);
    const Figures ung = bench.measure(QStringLiteral("UNG"), runs);
    const Figures all = bench.measure(QStringLiteral("*"), runs);
    const int pages = chunkCount();
    const double page = bench.lastPage(runs, pages);
    if (!prompts.messages.isEmpty() || prompts.endCalls > 0 || haus.nlItems == 0 ||
        ung.wlItems == 0 || all.nlItems == 0 || window.ListZ->count() == 0) {
        std::fprintf(stderr, "a search did not run through\n");
        return false;
    }

    std::printf("dictionary: %s, median of %d runs, times in ms, peak resident size in MB\n",
                qPrintable(dictionary), runs);
    std::printf("%-6s %10s %13s %9s %9s %9s %9s %9s\n", "query", "scan", "whole search", "ratio",
                "fill", "NL items", "WL items", "peak MB");
    printRow("HAUS", haus);
    printRow("UNG", ung);
    printRow("*", all);
    std::printf("page change to the last page (%d) of \"*\": %.1f ms, %.2fx the scan of \"*\" "
                "(%d NL items)\n",
                pages, page, page / all.scan, window.ListZ->count());
    const auto met = [](bool yes) { return yes ? "met" : "missed"; };
    std::printf("targets: whole search <= 1.2x the scan: HAUS %s, UNG %s, * %s; page change "
                "<= 0.5x the scan: %s; UNG's fill <= 30 ms: %s; peak < 100 MB: %s\n\n",
                met(haus.search <= 1.2 * haus.scan), met(ung.search <= 1.2 * ung.scan),
                met(all.search <= 1.2 * all.scan), met(page <= 0.5 * all.scan),
                met(ung.search - ung.scan <= 30),
                met(std::max({haus.peak, ung.peak, all.peak}) < 100));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);

    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: vocabrix_search_bench --dictionary <file.txt> [--runs N]\n"
                             "       vocabrix_search_bench --smoke\n");
        return 2;
    }

    if (options.smoke) options.dictionaries = {writeSmokeDictionary(cache)};
    bool ok = true;
    for (const QString& dictionary : options.dictionaries)
        ok = benchDictionary(dictionary, options.runs) && ok;
    return ok ? 0 : 1;
}
