// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace dictconv {

// One line of a dictd index: where the entry of a headword sits in the data file.
struct IndexEntry {
    std::string headword; // as written in the index, not yet cleaned
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::size_t lineNumber = 0;
};

// Reads "headword<TAB>offset<TAB>length" lines; further fields are ignored, empty lines
// skipped. Throws ConvertError naming the line of a malformed entry; sourceName is only used
// in that message.
std::vector<IndexEntry> parseDictdIndex(std::istream& in, const std::string& sourceName);

// The same for an index file; a file that does not open is a ConvertError.
std::vector<IndexEntry> readDictdIndex(const std::filesystem::path& path);

} // namespace dictconv
