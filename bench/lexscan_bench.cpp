// SPDX-License-Identifier: GPL-3.0-or-later
// The scanner benchmark: times liblexscan.so's MYFUNC on one dictionary against wc -l, grep and
// rg on the same file, in the same run, and reports medians and ratios to wc -l.
//
//   lexscan_bench --dictionary-dir <folder> [--runs N] [--synthetic HEADWORDS] [--dictd PREFIX]
//
// Without --synthetic it scans <folder>/deu_eng.txt, converting it first with dictconv (found
// beside this program) from PREFIX.index and PREFIX.dict.dz when it is missing.
// The tools run as processes of their own; MYFUNC runs in this process, as the program calls
// it. Peak resident sizes come from one extra run of each MYFUNC case in a child (--probe).

#include "bench_dictionary.h"
#include "child_process.h"

#include "lexscan/exchange_path.h"
#include "lexscan/myfunc.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace lexscan::bench;

namespace {

struct Options {
    std::string dictionaryDir;
    std::string dictd = "/usr/share/dictd/freedict-deu-eng";
    int runs = 11;
    std::size_t synthetic = 0;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--dictionary-dir")
            options.dictionaryDir = value;
        else if (name == "--dictd")
            options.dictd = value;
        else if (name == "--runs")
            options.runs = std::max(1, std::atoi(value.c_str()));
        else if (name == "--synthetic")
            options.synthetic = static_cast<std::size_t>(std::strtoull(value.c_str(), nullptr, 10));
        else
            return std::nullopt;
    }
    if (argc % 2 == 0 || options.dictionaryDir.empty()) return std::nullopt;
    return options;
}

// One MYFUNC call in a child; leaves the child's peak resident size (VmHWM, which unlike
// ru_maxrss does not count the parent's pages from before the exec) in $XDG_CACHE_HOME/peak_kb.
int probe() {
    const int result = MYFUNC(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            std::ofstream(std::string(std::getenv("XDG_CACHE_HOME")) + "/peak_kb")
                << std::strtol(line.c_str() + 6, nullptr, 10) << "\n";
    return result;
}

struct Case {
    Case(std::string label, std::vector<std::string> command, std::vector<std::string> request)
        : label(std::move(label)), command(std::move(command)), request(std::move(request)) {}
    std::string label;
    std::vector<std::string> command; // a tool; empty for MYFUNC
    std::vector<std::string> request; // MYFUNC's four request lines
    std::vector<double> milliseconds;
    long peakKb = 0;
    bool failed = false;
};

void writeRequest(const std::string& exchange, const std::vector<std::string>& lines) {
    std::ofstream out(exchange, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\r\n";
}

// The NL count over every chunk header after the request.
std::size_t neighbourTotal(const std::string& exchange) {
    std::ifstream in(exchange, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    for (int number = 1; std::getline(in, line); ++number)
        if (number > 4 && !line.empty() && line[0] == '*')
            total += std::strtoull(line.c_str() + 1, nullptr, 10);
    return total;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs one case once; returns its wall time in milliseconds.
double runCase(Case& c, const std::string& exchange, const std::string& output) {
    if (!c.command.empty()) {
        const ChildRun run = runChild(c.command, output);
        const bool grepLike = c.command[0] == "grep" || c.command[0] == "rg";
        if (run.exitCode != 0 && !(grepLike && run.exitCode == 1)) c.failed = true;
        return run.milliseconds;
    }
    writeRequest(exchange, c.request);
    const auto start = std::chrono::steady_clock::now();
    const int result = MYFUNC(0);
    const auto end = std::chrono::steady_clock::now();
    if (result != lexscan::resultScanned) c.failed = true;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

long probePeakKb(const std::string& self, const Case& c, const std::string& exchange,
                 const std::string& cache) {
    writeRequest(exchange, c.request);
    fs::remove(cache + "/peak_kb");
    if (runChild({self, "--probe"}, "/dev/null").exitCode != lexscan::resultScanned) return -1;
    std::ifstream in(cache + "/peak_kb");
    long kb = -1;
    in >> kb;
    return kb;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--probe") return probe();
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::cerr << "usage: lexscan_bench --dictionary-dir <folder> [--runs N] "
                     "[--synthetic HEADWORDS] [--dictd PREFIX]\n";
        return 2;
    }
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string dictionary =
        options->synthetic > 0 ? syntheticDictionary(options->dictionaryDir, options->synthetic)
                               : germanEnglishDictionary(options->dictionaryDir, options->dictd,
                                                         fs::path(self).parent_path() / "dictconv");
    if (dictionary.empty()) return 1;
    const DictionaryFacts facts = lookOver(dictionary);
    if (facts.headwords == 0) {
        std::cerr << "empty or unreadable dictionary " << dictionary << "\n";
        return 1;
    }

    // A private exchange file, for this process and its probes alike.
    std::string cache = (fs::temp_directory_path() / "lexscan_bench_XXXXXX").string();
    if (::mkdtemp(cache.data()) == nullptr) return 1;
    fs::create_directory(cache + "/vocabrix");
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    const std::string exchange = lexscan::exchangeFilePath();
    const std::string output = cache + "/tool_output";

    std::vector<Case> cases = {
        {"wc -l", {"wc", "-l", dictionary}, {}},
        {"grep -c -F HAUS", {"grep", "-c", "-F", "HAUS", dictionary}, {}},
        {"rg -c -F HAUS", {"rg", "-c", "-F", "HAUS", dictionary}, {}},
        {"MYFUNC mode 3 HAUS (root HA)", {}, {dictionary, "HAUS", "HA", "3"}},
        {"MYFUNC mode 1 *", {}, {dictionary, "*", "*", "1"}},
        {"MYFUNC mode 0 " + facts.lastHeadword, {}, {dictionary, facts.lastHeadword, "", "0"}},
    };
    if (!onPath("rg")) cases.erase(cases.begin() + 2);

    // One warm-up round, then the measured rounds, the cases taking turns.
    std::size_t starNeighbours = 0;
    for (int round = 0; round <= options->runs; ++round) {
        for (Case& c : cases) {
            const double ms = runCase(c, exchange, output);
            if (round > 0) c.milliseconds.push_back(ms);
            if (c.request.size() == 4 && c.request[1] == "*")
                starNeighbours = neighbourTotal(exchange);
        }
    }
    for (Case& c : cases)
        if (!c.request.empty()) c.peakKb = probePeakKb(self, c, exchange, cache);
    Case start("process start, empty dictionary", {}, {cache + "/empty.txt", "HAUS", "HA", "3"});
    std::ofstream{start.request[0]};
    const long startKb = probePeakKb(self, start, exchange, cache);
    fs::remove_all(cache);

    std::printf("dictionary: %s (%.1f MB, %zu headwords)\n", dictionary.c_str(),
                static_cast<double>(facts.bytes) / 1e6, facts.headwords);
    std::printf("medians of %d runs, page cache warm; tools as processes, MYFUNC in-process\n\n",
                options->runs);
    std::printf("%-36s %10s %8s %13s\n", "command", "median ms", "x wc -l", "peak RSS KB");
    const double reference = median(cases[0].milliseconds);
    bool ok = true;
    for (const Case& c : cases) {
        const double ms = median(c.milliseconds);
        const std::string peak = c.request.empty() ? "-" : std::to_string(c.peakKb);
        std::printf("%-36s %10.2f %8.2f %13s%s\n", c.label.c_str(), ms, ms / reference,
                    peak.c_str(), c.failed ? "  FAILED" : "");
        ok = ok && !c.failed;
    }
    std::printf("%-36s %10s %8s %13ld\n", start.label.c_str(), "-", "-", startKb);
    if (starNeighbours != facts.headwords) {
        std::printf("\n\"*\" scan listed %zu headwords of %zu\n", starNeighbours, facts.headwords);
        ok = false;
    }
    std::printf("\ntargets: mode 3 <= 1.5 x wc -l, \"*\" in mode 1 <= 2 x wc -l\n");
    return ok ? 0 : 1;
}
