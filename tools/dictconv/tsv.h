// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

struct TsvRecords {
    std::vector<Record> records; // unsorted, headwords upper-cased
    std::size_t skippedLines = 0;
};

// Reads "headword<TAB>translation" lines, UTF-8 or (when the bytes are not UTF-8)
// Windows-1252, LF or CR LF. Further tabs join the translation with "; "; empty lines are
// skipped. A line without a tab is a ConvertError naming it; a blank headword, or one that
// begins with a character the format reserves, is skipped with a warning naming the line.
TsvRecords parseTsv(std::string_view bytes, const std::string& name, std::ostream& warnings);

} // namespace dictconv
