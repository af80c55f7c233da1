// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"
#include "tsv.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace dictconv {

struct ConvertResult {
    std::uint64_t headwords = 0;
    std::uintmax_t bytes = 0;
    std::uint64_t skippedFields = 0;    // StarDict entry parts without text
    std::uint64_t skippedHeadwords = 0; // tab-separated lines with a blank or reserved headword
    std::string title;                  // a StarDict dictionary's bookname, a DSL or MDict name
    std::uint64_t unknownTags = 0;      // DSL tags the format does not know, removed
    std::uint64_t links = 0;            // MDict keys that took another key's text
};

class RecordSorter;

// Writes what the sorter holds; nothing to write is an error naming `source`.
ConvertResult writeSortedRecords(RecordSorter& sorter, const std::string& source,
                                 const std::filesystem::path& outputPath);

// Converts a dictd dictionary (index, and data gzip-compressed or plain).
ConvertResult convertDictionary(const std::filesystem::path& indexPath,
                                const std::filesystem::path& dataPath,
                                const std::filesystem::path& outputPath);

// Converts a StarDict dictionary; the ".idx" (or ".idx.gz"), ".dict" (or ".dict.dz") and
// optional ".syn" are found beside the ".ifo".
ConvertResult convertStarDict(const std::filesystem::path& ifoPath,
                              const std::filesystem::path& outputPath);

// Converts a tab-separated list; skipped lines are reported on `warnings`.
ConvertResult convertTsv(const std::filesystem::path& inputPath,
                         const std::filesystem::path& outputPath, std::ostream& warnings,
                         Encoding encoding = Encoding::Guess);

} // namespace dictconv
