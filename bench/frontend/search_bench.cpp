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
#include <ctime>
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

// This process's CPU time in ms: less disturbed than wall time by other work on the machine.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Time {
    double wall = 0;
    double cpu = 0;
};

Time timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    const double cpuStart = cpuMs();
    timer.start();
    work();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, cpuMs() - cpuStart};
}

Time median(const std::vector<Time>& times) {
    std::vector<double> wall, cpu;
    for (const Time& t : times) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    return {median(wall), median(cpu)};
}

// Chunks in the exchange file of the last search.
int chunkCount() {
    QFile file(exchangeFilePath());
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int lines = 0;
    int chunks = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (++lines > lexscan::requestLineCount && line.startsWith(lexscan::chunkHeaderMark))
            ++chunks;
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
    Time scan;
    Time search;
    int nlItems = 0;
    int wlItems = 0;
    double peak = 0;
};

class Bench {
public:
    Bench(DictionarySearch& search, const QString& dictionary)
        : w_(search), dictionary_(dictionary) {}

    // The scanner alone on the request the search would write.
    Time scanAlone(const QString& word) {
        const QString root = queryRoot(word, QStringLiteral("50"));
        const SearchMode mode = searchMode(false, true, true, characterCount(root));
        QString error;
        if (!makePrivateFolder(exchangeFolderPath(), &error) ||
            !writeRequest(exchangeFilePath(), {dictionary_, word, root, mode},
                          w_.session().encoding, &error))
            qFatal("cannot write the request: %s", qPrintable(error));
        return timeMs([&] { w_.session().scanner().call(0); });
    }

    Time wholeSearch(const QString& word) {
        w_.view().Parola->setText(word);
        return timeMs([&] { w_.Parola_KeyPress(13); });
    }

    Figures measure(const QString& word, int runs) {
        std::vector<Time> scans, searches;
        w_.view().Parola->setText(QStringLiteral("ZZZ"));
        w_.Parola_KeyPress(13); // the lists of the query before go
        resetPeak();
        for (int i = 0; i < runs; ++i) {
            scans.push_back(scanAlone(word));
            searches.push_back(wholeSearch(word));
        }
        return {median(scans), median(searches), w_.view().ListZ->count(), w_.view().ListY->count(),
                peakMb()};
    }

    // A page change to the last page of the last search.
    Time lastPage(int runs, int pages) {
        std::vector<Time> times;
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
    std::printf("%-6s %8.1f %8.1f %6.2fx %7.1f | %8.1f %8.1f %6.2fx %7.1f | %8d %8d %7.0f\n", what,
                f.scan.wall, f.search.wall, f.search.wall / f.scan.wall,
                f.search.wall - f.scan.wall, f.scan.cpu, f.search.cpu, f.search.cpu / f.scan.cpu,
                f.search.cpu - f.scan.cpu, f.nlItems, f.wlItems, f.peak);
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
    const Time page = bench.lastPage(runs, pages);
    if (!prompts.messages.isEmpty() || prompts.endCalls > 0 || haus.nlItems == 0 ||
        ung.wlItems == 0 || all.nlItems == 0 || search.view().ListZ->count() == 0) {
        std::fprintf(stderr, "a search did not run through\n");
        return false;
    }

    std::printf("dictionary: %s, median of %d runs, times in ms (wall | CPU of this process), "
                "peak resident size in MB\n",
                qPrintable(dictionary), runs);
    std::printf("%-6s %8s %8s %7s %7s | %8s %8s %7s %7s | %8s %8s %7s\n", "query", "scan", "whole",
                "ratio", "fill", "scan", "whole", "ratio", "fill", "NL items", "WL items", "peak");
    printRow("HAUS", haus);
    printRow("UNG", ung);
    printRow("*", all);
    std::printf(
        "page change to the last page (%d) of \"*\": %.1f ms wall, %.2fx the scan of \"*\"; "
        "%.1f ms CPU, %.2fx (%d NL items)\n",
        pages, page.wall, page.wall / all.scan.wall, page.cpu, page.cpu / all.scan.cpu,
        search.view().ListZ->count());
    const auto met = [](bool yes) { return yes ? "met" : "missed"; };
    // Wall time, as the user waits it.
    std::printf("targets: whole search <= 1.2x the scan: HAUS %s, UNG %s, * %s; page change "
                "<= 0.5x the scan: %s; UNG's fill <= 30 ms: %s; peak < 100 MB: %s\n\n",
                met(haus.search.wall <= 1.2 * haus.scan.wall),
                met(ung.search.wall <= 1.2 * ung.scan.wall),
                met(all.search.wall <= 1.2 * all.scan.wall), met(page.wall <= 0.5 * all.scan.wall),
                met(ung.search.wall - ung.scan.wall <= 30),
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
