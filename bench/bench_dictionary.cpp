// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_dictionary.h"

#include "child_process.h"
#include "synthetic_dictionary.h"

#include "lexscan/line_reader.h"

#include <filesystem>
#include <initializer_list>
#include <iostream>

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
    FileSource file(path);
    if (!file.isOpen()) return facts;
    LineReader reader(file);
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
