// SPDX-License-Identifier: GPL-3.0-or-later
// The scanner benchmark: times liblexscan.so's MYFUNC against wc -l, grep and rg on the same
// file, a plain read() of the file (the floor of any scan that reads it), the same reads with the
// scanner's vector search run over every block (the floor of any scan that looks at every byte)
// and a line count over a memory map, in the same run, and reports medians and ratios to wc -l
// and to the read floor.
//
//   lexscan_bench --dictionary-dir <folder> [--runs N] [--synthetic HEADWORDS] [--dictd PREFIX]
//                 [--no-big]
//
// Without --synthetic it scans <folder>/deu_eng.txt, converting it first with dictconv (found
// beside this program) from PREFIX.index and PREFIX.dict.dz when it is missing, then
// <folder>/deu_eng_1g.txt, made from it on first use (13 copies of each record) and checked with
// dictconv check. The tools run as processes of their own; MYFUNC, the read floor and the map
// count run in this process. Peak resident sizes come from one extra run of each MYFUNC case in
// a child (--probe).

#include "bench_dictionary.h"
#include "child_process.h"

#include "lexscan/candidate_finder.h"
#include "lexscan/exchange_format.h"
#include "lexscan/exchange_path.h"
#include "lexscan/myfunc.h"
#include "vocabrix_text/line_reader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <sys/mman.h>
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
    bool big = true;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--no-big") {
            options.big = false;
            continue;
        }
        if (i + 1 == argc) return std::nullopt;
        const std::string value = argv[++i];
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
    if (options.dictionaryDir.empty()) return std::nullopt;
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

// In-process measures beside the tools and MYFUNC.
enum class Own { None, ReadFloor, ReadAndSearch, MapCount };

struct Case {
    Case(std::string label, std::vector<std::string> command, std::vector<std::string> request,
         Own own = Own::None, std::string path = {})
        : label(std::move(label)), command(std::move(command)), request(std::move(request)),
          own(own), path(std::move(path)) {}
    std::string label;
    std::vector<std::string> command; // a tool; empty for MYFUNC
    std::vector<std::string> request; // MYFUNC's four request lines
    Own own;
    std::string path; // the file of an in-process measure
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
        if (number > lexscan::requestLineCount && !line.empty() &&
            line[0] == lexscan::chunkHeaderMark)
            total += std::strtoull(line.c_str() + 1, nullptr, 10);
    return total;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// read() of the whole file in the scanner's block size into one reused buffer; the bytes are
// summed so that the reads cannot be left out. search: each block also goes through the
// scanner's vector search for a literal that is not there, which counts its line ends.
bool readFloor(const std::string& path, bool search) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const std::size_t size = vocabrix::text::LineReader::defaultBlockSize;
    const std::unique_ptr<char[]> buffer(new char[size]);
    const lexscan::CandidateFinder find = lexscan::candidateFinder();
    unsigned sum = 0;
    ssize_t n = 0;
    while ((n = ::read(fd, buffer.get(), size)) > 0) {
        sum += static_cast<unsigned char>(buffer[static_cast<std::size_t>(n) - 1]);
        if (search)
            sum += static_cast<unsigned>(
                find({buffer.get(), static_cast<std::size_t>(n)}, 0, "\x01\x02").lineEnds);
    }
    ::close(fd);
    volatile unsigned sink = sum;
    return n == 0 && sink + 1 > 0;
}

// The line count of wc -l, over a memory map of the file.
bool mapCount(const std::string& path, std::size_t& lines) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto size = static_cast<std::size_t>(::lseek(fd, 0, SEEK_END));
    void* map =
        size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0) : nullptr;
    ::close(fd);
    if (map == MAP_FAILED) return false;
    lines = 0;
    const char* at = static_cast<const char*>(map);
    const char* end = at + size;
    while (at < end) {
        const void* hit = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        if (hit == nullptr) break;
        ++lines;
        at = static_cast<const char*>(hit) + 1;
    }
    if (map != nullptr) ::munmap(map, size);
    return true;
}

// Runs one case once; returns its wall time in milliseconds.
double runCase(Case& c, const std::string& exchange, const std::string& output) {
    if (c.own != Own::None) {
        const auto start = std::chrono::steady_clock::now();
        std::size_t lines = 0;
        const bool ok = c.own == Own::MapCount ? mapCount(c.path, lines)
                                               : readFloor(c.path, c.own == Own::ReadAndSearch);
        const auto end = std::chrono::steady_clock::now();
        if (!ok || (c.own == Own::MapCount && lines == 0)) c.failed = true;
        return std::chrono::duration<double, std::milli>(end - start).count();
    }
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

// Every case on one dictionary, then its table; false when a case failed.
bool benchDictionary(const std::string& dictionary, const Options& options, const std::string& self,
                     const std::string& cache) {
    const DictionaryFacts facts = lookOver(dictionary);
    if (facts.headwords == 0) {
        std::cerr << "empty or unreadable dictionary " << dictionary << "\n";
        return false;
    }
    const std::string exchange = lexscan::exchangeFilePath();
    const std::string output = cache + "/tool_output";

    std::vector<Case> cases = {
        {"wc -l", {"wc", "-l", dictionary}, {}},
        {"read() floor", {}, {}, Own::ReadFloor, dictionary},
        {"read() + vector search", {}, {}, Own::ReadAndSearch, dictionary},
        {"line count over mmap", {}, {}, Own::MapCount, dictionary},
        {"grep -c -F HAUS", {"grep", "-c", "-F", "HAUS", dictionary}, {}},
        {"rg -c -F HAUS", {"rg", "-c", "-F", "HAUS", dictionary}, {}},
        {"MYFUNC mode 3 HAUS (root HA)", {}, {dictionary, "HAUS", "HA", "3"}},
        {"MYFUNC mode 3 UNG (root UN)", {}, {dictionary, "UNG", "UN", "3"}},
        {"MYFUNC mode 3 E (root E)", {}, {dictionary, "E", "E", "3"}},
        {"MYFUNC mode 1 *", {}, {dictionary, "*", "*", "1"}},
        {"MYFUNC mode 0 " + facts.lastHeadword, {}, {dictionary, facts.lastHeadword, "", "0"}},
    };
    if (!onPath("rg")) cases.erase(cases.begin() + 5);

    // One warm-up round, then the measured rounds, the cases taking turns.
    std::size_t starNeighbours = 0;
    for (int round = 0; round <= options.runs; ++round) {
        for (Case& c : cases) {
            const double ms = runCase(c, exchange, output);
            if (round > 0) c.milliseconds.push_back(ms);
            if (c.request.size() == 4 && c.request[1] == "*")
                starNeighbours = neighbourTotal(exchange);
        }
    }
    for (Case& c : cases)
        if (!c.request.empty()) c.peakKb = probePeakKb(self, c, exchange, cache);

    std::printf("dictionary: %s (%.1f MB, %zu headwords)\n", dictionary.c_str(),
                static_cast<double>(facts.bytes) / 1e6, facts.headwords);
    std::printf("medians of %d runs, page cache warm; tools as processes, the rest in-process\n\n",
                options.runs);
    std::printf("%-36s %10s %8s %8s %13s\n", "command", "median ms", "x wc -l", "x floor",
                "peak RSS KB");
    const double wc = median(cases[0].milliseconds);
    const double floor = median(cases[1].milliseconds);
    bool ok = true;
    // HAUS and UNG (mode 3) and "*" against their targets, in times the read floor.
    double worstRoot = 0;
    double star = 0;
    for (const Case& c : cases) {
        const double ms = median(c.milliseconds);
        if (c.request.size() == 4 && c.request[3] == "3" && c.request[2].size() == 2)
            worstRoot = std::max(worstRoot, ms / floor);
        if (c.request.size() == 4 && c.request[1] == "*") star = ms / floor;
        const std::string peak = c.request.empty() ? "-" : std::to_string(c.peakKb);
        std::printf("%-36s %10.2f %8.2f %8.2f %13s%s\n", c.label.c_str(), ms, ms / wc, ms / floor,
                    peak.c_str(), c.failed ? "  FAILED" : "");
        ok = ok && !c.failed;
    }
    if (starNeighbours != facts.headwords) {
        std::printf("\n\"*\" scan listed %zu headwords of %zu\n", starNeighbours, facts.headwords);
        ok = false;
    }
    std::printf("\ntargets: HAUS and UNG in mode 3 <= 1.2 x the read floor: %s (worst %.2f); "
                "\"*\" <= 1.5 x: %s (%.2f)\n",
                worstRoot <= 1.2 ? "met" : "missed", worstRoot, star <= 1.5 ? "met" : "missed",
                star);
    // What is left to the scan itself once every byte has been read and looked at once.
    const double searched = median(cases[2].milliseconds) / floor;
    std::printf("in times read() + vector search (%.2f x the floor): worst of HAUS and UNG %.2f, "
                "\"*\" %.2f\n\n",
                searched, worstRoot / searched, star / searched);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--probe") return probe();
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::cerr << "usage: lexscan_bench --dictionary-dir <folder> [--runs N] "
                     "[--synthetic HEADWORDS] [--dictd PREFIX] [--no-big]\n";
        return 2;
    }
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string dictconv = fs::path(self).parent_path() / "dictconv";
    std::vector<std::string> dictionaries;
    if (options->synthetic > 0) {
        dictionaries.push_back(syntheticDictionary(options->dictionaryDir, options->synthetic));
    } else {
        dictionaries.push_back(
            germanEnglishDictionary(options->dictionaryDir, options->dictd, dictconv));
        if (options->big && !dictionaries[0].empty())
            dictionaries.push_back(
                repeatedDictionary(options->dictionaryDir, dictionaries[0], dictconv, 13));
    }

    // A private exchange file, for this process and its probes alike.
    std::string cache = (fs::temp_directory_path() / "lexscan_bench_XXXXXX").string();
    if (::mkdtemp(cache.data()) == nullptr) return 1;
    fs::create_directory(cache + "/vocabrix");
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);

    bool ok = true;
    for (const std::string& dictionary : dictionaries)
        ok = !dictionary.empty() && benchDictionary(dictionary, *options, self, cache) && ok;

    Case start("process start, empty dictionary", {}, {cache + "/empty.txt", "HAUS", "HA", "3"});
    std::ofstream{start.request[0]};
    const long startKb = probePeakKb(self, start, lexscan::exchangeFilePath(), cache);
    std::printf("%-36s %13ld KB\n", start.label.c_str(), startKb);
    fs::remove_all(cache);
    return ok ? 0 : 1;
}
