// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>

namespace dictconv {

struct RepairSummary {
    std::size_t records = 0;
    std::size_t unrepaired = 0; // problems left in the copy, each reported
};

// Writes a repaired copy of a two-line dictionary: line ends LF, NUL bytes and lone CRs
// made blanks (a file with CR line ends alone is split at them), UTF-8 throughout (lines that
// are not UTF-8 read as Windows-1252), headwords upper-cased and sorted, each with its
// translation, a missing last translation empty. No entry is dropped: blank headwords, those
// beginning with a reserved character and lines over 1 MB stay as they are and are reported
// (lines of 16 MB or more are refused, a ConvertError naming the line)
// on `report`, then a summary line. Throws ConvertError.
RepairSummary repairDictionary(const std::filesystem::path& input,
                               const std::filesystem::path& output, std::ostream& report);

} // namespace dictconv
