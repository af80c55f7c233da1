// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole searches against the scanner alone, in one run on one dictionary:
//   vocabrix_search_bench --dictionary <file.txt> [--runs N]
//   vocabrix_search_bench --smoke      (a small made-up dictionary, one run)
// The whole search runs from Enter to filled lists; the scanner alone is MYFUNC on the same
// request. The exchange file goes to a temporary folder, never the user's.

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
    QString dictionary;
    int runs = 5;
    bool smoke = false;
};

bool parse(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--smoke") {
            options.smoke = true;
            options.runs = 1;
        } else if (args[i] == "--dictionary" && i + 1 < args.size()) {
            options.dictionary = args[++i];
        } else if (args[i] == "--runs" && i + 1 < args.size()) {
            options.runs = std::max(1, args[++i].toInt());
        } else {
            return false;
        }
    }
    return options.smoke || !options.dictionary.isEmpty();
}

// HAUS and its neighbours, then 40,000 more headwords so that "*" needs two pages.
QString writeSmokeDictionary(const QTemporaryDir& dir) {
    QByteArray bytes = "BAUHAUS\nbuilding school\nHAUS\nhouse\nHAUSTIER\npet\n";
    for (int i = 0; i < 40000; ++i)
        bytes += "WORT" + QByteArray::number(100000 + i) + "\nword\n";
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

struct Figures {
    double scan = 0;
    double search = 0;
    int nlItems = 0;
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
        for (int i = 0; i < runs; ++i) {
            scans.push_back(scanAlone(word));
            searches.push_back(wholeSearch(word));
        }
        return {median(scans), median(searches), w_.ListZ->count()};
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
    std::printf("%-6s %12.1f %14.1f %8.2fx %12.1f %10d\n", what, f.scan, f.search,
                f.search / f.scan, f.search - f.scan, f.nlItems);
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
    if (options.smoke) options.dictionary = writeSmokeDictionary(cache);
    if (!QFile::exists(options.dictionary)) {
        std::fprintf(stderr, "no dictionary at %s\n", qPrintable(options.dictionary));
        return 2;
    }

    FakePrompts prompts;
    Form1 window(prompts);
    window.show();
    QApplication::processEvents();
    prompts.answers.append({options.dictionary, {}});
    DictionarySearch& search = *window.findChild<DictionarySearch*>();
    search.mOpen_Click();
    if (search.session().scanner().load() != ScannerBinding::Problem::None) {
        std::fprintf(stderr, "the scanner library did not load: %s\n",
                     qPrintable(search.session().scanner().detail()));
        return 1;
    }

    Bench bench(search, options.dictionary);
    const Figures haus = bench.measure(QStringLiteral("HAUS"), options.runs);
    const Figures all = bench.measure(QStringLiteral("*"), options.runs);
    const int pages = chunkCount();
    const double page = bench.lastPage(options.runs, pages);
    if (!prompts.messages.isEmpty() || prompts.endCalls > 0 || haus.nlItems == 0 ||
        all.nlItems == 0 || window.ListZ->count() == 0) {
        std::fprintf(stderr, "a search did not run through\n");
        return 1;
    }

    std::printf("dictionary: %s, median of %d runs, times in ms\n", qPrintable(options.dictionary),
                options.runs);
    std::printf("%-6s %12s %14s %9s %12s %10s\n", "query", "scan alone", "whole search", "ratio",
                "fill", "NL items");
    printRow("HAUS", haus);
    printRow("*", all);
    std::printf("page change to the last page (%d) of \"*\": %.1f ms, %.2fx the scan of \"*\" "
                "(%d NL items)\n",
                pages, page, page / all.scan, window.ListZ->count());
    std::printf("targets: whole search <= 1.5x the scan: HAUS %s, * %s; filling \"*\" < 100 ms "
                "over the scan: %s\n",
                haus.search <= 1.5 * haus.scan ? "met" : "missed",
                all.search <= 1.5 * all.scan ? "met" : "missed",
                all.search - all.scan < 100 ? "met" : "missed");
    return 0;
}
