// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

class RandomSource;

// The fields of a StarDict ".ifo" file that the conversion uses.
struct StarDictInfo {
    std::string version;
    std::uint64_t wordCount = 0;
    std::uint64_t synWordCount = 0;
    bool hasSynWordCount = false;
    std::uint64_t idxFileSize = 0;
    unsigned offsetBits = 32;
    std::string sameTypeSequence;
    std::string bookName;
};

// Parses an ".ifo" file; `name` is used in messages. Throws ConvertError.
StarDictInfo parseStarDictInfo(std::string_view text, const std::string& name);

// The bytes of a StarDict dictionary's other files (".idx", ".dict" and ".syn", all
// uncompressed) and their names for messages. An empty synName means there is no ".syn".
struct StarDictFiles {
    std::string_view idx, dict, syn;
    std::string idxName, dictName, synName;
};

struct StarDictRecords {
    std::vector<Record> records;   // unsorted, headwords upper-cased, unwanted ones left out
    std::size_t skippedFields = 0; // entry parts of types with no text (sound, pictures, ...)
};

// Reads every entry and synonym. Throws ConvertError naming the file and the fault.
StarDictRecords readStarDict(const StarDictInfo& info, const StarDictFiles& files);

// The same files read by offset; syn is null when there is none.
struct StarDictSources {
    RandomSource& idx;
    RandomSource& dict;
    RandomSource* syn;
    std::string idxName, dictName, synName;
};

// Hands each wanted record to `add` in the order readStarDict gives them: the entries, then
// the synonyms. Where the synonyms find their entries is kept in a temporary file in `folder`,
// or in memory when `folder` is empty. Returns the count of skipped entry parts.
using RecordSink = std::function<void(std::string_view headword, std::string_view translation)>;
std::uint64_t readStarDict(const StarDictInfo& info, const StarDictSources& sources,
                           const std::filesystem::path& folder, const RecordSink& add);

} // namespace dictconv
