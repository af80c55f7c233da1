// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_index.h"

#include "convert_error.h"
#include "dictd_number.h"

namespace dictconv {

namespace {

std::uint64_t decodeField(std::string_view field, const char* what, const std::string& source,
                          std::uint64_t lineNumber) {
    const std::optional<std::uint64_t> value = decodeDictdNumber(field);
    if (!value) {
        throw ConvertError(source + ":" + std::to_string(lineNumber) + ": bad " + what + " \"" +
                           std::string(field) + "\" (not a dictd base64 number)");
    }
    return *value;
}

} // namespace

std::optional<IndexEntry> parseDictdIndexLine(std::string_view line, std::uint64_t lineNumber,
                                              const std::string& sourceName) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) return {};
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) {
        throw ConvertError(sourceName + ":" + std::to_string(lineNumber) +
                           ": expected headword, offset and length separated by tabs");
    }
    const std::size_t tab3 = line.find('\t', tab2 + 1);
    IndexEntry entry;
    entry.headword = line.substr(0, tab1);
    entry.offset =
        decodeField(line.substr(tab1 + 1, tab2 - tab1 - 1), "offset", sourceName, lineNumber);
    entry.length =
        decodeField(line.substr(tab2 + 1, tab3 == std::string_view::npos ? std::string_view::npos
                                                                         : tab3 - tab2 - 1),
                    "length", sourceName, lineNumber);
    return entry;
}

} // namespace dictconv
