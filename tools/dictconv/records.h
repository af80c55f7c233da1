// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

class OutputFile;

// One two-line record of the output dictionary.
struct Record {
    std::string headword;
    std::string translation;

    bool operator==(const Record&) const = default;
};

// Separator between the translations of entries merged under one headword.
inline constexpr std::string_view entrySeparator = " | ";

// Sorts records by headword bytes and merges those sharing a headword, keeping their original
// order; empty translations and repeats of an earlier one are left out of the merge.
std::vector<Record> sortAndMerge(std::vector<Record> records);

// Writes each record as its two lines, a megabyte at a time; returns the bytes written.
std::uint64_t writeRecords(OutputFile& out, const std::vector<Record>& records);

} // namespace dictconv
