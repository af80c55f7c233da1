// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_dictionary.h"

#include "child_process.h"
#include "synthetic_dictionary.h"

#include "vocabrix_text/line_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string_view>
#include <vector>

namespace lexscan::bench {

namespace fs = std::filesystem;

namespace {

// True when path exists and is newer than every source that exists; a dictionary made by an
// older converter (or from older dictd files) is stale.
bool newerThanAll(const std::string& path, std::initializer_list<std::string> sources) {
    std::error_code error;
    const fs::file_time_type made = fs::last_write_time(path, error);
    if (error) return false;
    for (const std::string& source : sources) {
        const fs::file_time_type time = fs::last_write_time(source, error);
        if (!error && time > made) return false;
    }
    return true;
}

} // namespace

std::string germanEnglishDictionary(const std::string& folder, const std::string& dictd,
                                    const std::string& dictconv) {
    const std::string path = folder + "/deu_eng.txt";
    const std::string index = dictd + ".index";
    const std::string data = dictd + ".dict.dz";
    if (newerThanAll(path, {index, data, dictconv})) return path;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::exists(index) || !fs::exists(data)) {
        std::cerr << "missing " << index << " or " << data
                  << " (Debian package dict-freedict-deu-eng); or use --synthetic\n";
        return {};
    }
    if (!fs::exists(dictconv)) {
        std::cerr << "missing the converter " << dictconv << "; or use --synthetic\n";
        return {};
    }
    std::cerr << "converting " << data << " into " << path << "\n";
    const ChildRun run = runChild({dictconv, index, data, path}, "/dev/null");
    if (run.exitCode != 0 || !fs::exists(path)) {
        std::cerr << "dictconv failed\n";
        fs::remove(path, error);
        return {};
    }
    return path;
}

namespace {

struct SourceRecord {
    std::string_view headword;
    std::string_view record; // headword line and translation line, each with its LF
};

// The records of a two-line file with LF line ends, in file order.
std::vector<SourceRecord> records(std::string_view text) {
    std::vector<SourceRecord> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t headEnd = text.find('\n', at);
        if (headEnd == std::string_view::npos) break;
        std::size_t end = text.find('\n', headEnd + 1);
        end = end == std::string_view::npos ? text.size() : end + 1;
        out.push_back({text.substr(at, headEnd - at), text.substr(at, end - at)});
        at = end;
    }
    return out;
}

// a + b against c + d in byte order, as memcmp orders bytes.
bool joinedLess(std::string_view a, std::string_view b, std::string_view c, std::string_view d) {
    std::string_view x[2] = {a, b};
    std::string_view y[2] = {c, d};
    int xi = 0;
    int yi = 0;
    for (;;) {
        while (xi < 2 && x[xi].empty())
            ++xi;
        while (yi < 2 && y[yi].empty())
            ++yi;
        if (xi == 2 || yi == 2) return xi == 2 && yi < 2;
        const std::size_t m = std::min(x[xi].size(), y[yi].size());
        if (const int r = std::memcmp(x[xi].data(), y[yi].data(), m); r != 0) return r < 0;
        x[xi].remove_prefix(m);
        y[yi].remove_prefix(m);
    }
}

} // namespace

std::string repeatedDictionary(const std::string& folder, const std::string& source,
                               const std::string& dictconv, int copies) {
    const std::string path = folder + "/deu_eng_1g.txt";
    if (newerThanAll(path, {source})) return path;
    std::ifstream in(source, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<SourceRecord> base = records(text);
    if (base.empty()) {
        std::cerr << "no records in " << source << "\n";
        return {};
    }
    std::vector<std::string> suffixes(static_cast<std::size_t>(copies));
    for (int k = 1; k < copies; ++k) {
        char digits[16];
        std::snprintf(digits, sizeof digits, " %02d", k);
        suffixes[static_cast<std::size_t>(k)] = digits;
    }
    // Record r's copy k is r * copies + k.
    std::vector<std::uint32_t> order(base.size() * static_cast<std::size_t>(copies));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i);
    const auto n = static_cast<std::uint32_t>(copies);
    std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
        return joinedLess(base[x / n].headword, suffixes[x % n], base[y / n].headword,
                          suffixes[y % n]);
    });
    std::cerr << "writing " << path << " (" << copies << " copies of each record)\n";
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        for (const std::uint32_t i : order) {
            const SourceRecord& r = base[i / n];
            out << r.headword << suffixes[i % n] << r.record.substr(r.headword.size());
        }
        if (!out.flush()) {
            std::cerr << "cannot write " << partial << "\n";
            return {};
        }
    }
    std::error_code error;
    if (runChild({dictconv, "check", partial}, "/dev/null").exitCode != 0) {
        std::cerr << "dictconv check does not pass " << partial << "\n";
        fs::remove(partial, error);
        return {};
    }
    fs::rename(partial, path, error);
    return error ? std::string() : path;
}

std::string syntheticDictionary(const std::string& folder, std::size_t headwords) {
    const std::string path = folder + "/synthetic_" + std::to_string(headwords) + ".txt";
    if (fs::exists(path)) return path;
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string partial = path + ".part";
    if (!writeSyntheticDictionary(partial, headwords)) {
        std::cerr << "cannot write " << partial << "\n";
        return {};
    }
    fs::rename(partial, path, error);
    return error ? std::string() : path;
}

DictionaryFacts lookOver(const std::string& path) {
    DictionaryFacts facts;
    vocabrix::text::FileSource file(path);
    if (!file.isOpen()) return facts;
    vocabrix::text::LineReader reader(file);
    std::string_view line;
    for (;;) {
        if (!reader.next(line)) break;
        ++facts.headwords;
        facts.lastHeadword.assign(line);
        if (!reader.skip()) break;
    }
    std::error_code error;
    facts.bytes = static_cast<std::size_t>(fs::file_size(path, error));
    return facts;
}

} // namespace lexscan::bench
