// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

namespace dictconv {

class RecordSorter;

// Reads "headword<TAB>translation" lines into the sorter, headwords upper-cased: UTF-8, or
// (when the bytes are not UTF-8) Windows-1252, or UTF-16 of either byte order after its byte
// order mark; LF or CR LF. Further tabs join the translation with "; "; empty lines are
// skipped. A line without a tab is a ConvertError naming it; a blank headword, or one that
// begins with a character the format reserves, is skipped with a warning naming the line.
// Returns the number of lines skipped.
std::uint64_t readTsv(const std::filesystem::path& input, RecordSorter& sorter,
                      std::ostream& warnings);

} // namespace dictconv
