// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

namespace dictconv {

class RecordSorter;

// How a tab-separated file is read: guessed from its bytes, or as the user says.
enum class Encoding { Guess, Utf8, Cp1252, Utf16 };

// Reads "headword<TAB>translation" lines into the sorter, headwords upper-cased: UTF-8, or
// (when the bytes are not UTF-8) Windows-1252, or UTF-16 of either byte order after its byte
// order mark; LF, CR LF or CR alone. Further tabs join the translation with "; "; empty lines
// are skipped. A line without a tab is a ConvertError naming it; a blank headword, or one that
// begins with a character the format reserves, is skipped with a warning naming the line.
// Guessing, a file that mixes CR alone with LF, or whose lines beyond ASCII are mostly UTF-8
// but not all, is a ConvertError naming the first lines that differ. Forced UTF-16 without
// a byte order mark is little-endian. Returns the number of lines skipped.
std::uint64_t readTsv(const std::filesystem::path& input, RecordSorter& sorter,
                      std::ostream& warnings, Encoding encoding = Encoding::Guess);

} // namespace dictconv
