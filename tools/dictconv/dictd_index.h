// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dictconv {

// One line of a dictd index: where the entry of a headword sits in the data file.
struct IndexEntry {
    std::string_view headword; // as written in the index, not yet cleaned
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// Parses a "headword<TAB>offset<TAB>length" line, its LF taken off (a CR before it is
// ignored); further fields are ignored, an empty line gives nothing. Throws ConvertError
// naming sourceName and the line of a malformed entry.
std::optional<IndexEntry> parseDictdIndexLine(std::string_view line, std::uint64_t lineNumber,
                                              const std::string& sourceName);

} // namespace dictconv
