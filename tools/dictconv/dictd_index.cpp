// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_index.h"

#include "convert_error.h"
#include "dictd_number.h"

#include "data_file.h"

#include <optional>
#include <sstream>
#include <string_view>

namespace dictconv {

namespace {

std::uint64_t decodeField(std::string_view field, const char* what, const std::string& source,
                          std::size_t lineNumber) {
    const std::optional<std::uint64_t> value = decodeDictdNumber(field);
    if (!value) {
        throw ConvertError(source + ":" + std::to_string(lineNumber) + ": bad " + what + " \"" +
                           std::string(field) + "\" (not a dictd base64 number)");
    }
    return *value;
}

} // namespace

std::vector<IndexEntry> parseDictdIndex(std::istream& in, const std::string& sourceName) {
    std::vector<IndexEntry> entries;
    std::string line;
    std::size_t lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            throw ConvertError(sourceName + ":" + std::to_string(lineNumber) +
                               ": expected headword, offset and length separated by tabs");
        }
        const std::size_t tab3 = line.find('\t', tab2 + 1);
        const std::string_view view = line;
        IndexEntry entry;
        entry.headword = line.substr(0, tab1);
        entry.offset =
            decodeField(view.substr(tab1 + 1, tab2 - tab1 - 1), "offset", sourceName, lineNumber);
        entry.length =
            decodeField(view.substr(tab2 + 1, tab3 == std::string::npos ? std::string_view::npos
                                                                        : tab3 - tab2 - 1),
                        "length", sourceName, lineNumber);
        entry.lineNumber = lineNumber;
        entries.push_back(std::move(entry));
    }
    if (in.bad()) throw ConvertError("cannot read index file " + sourceName);
    return entries;
}

std::vector<IndexEntry> readDictdIndex(const std::filesystem::path& path) {
    std::istringstream in(readPlainFile(path, "index file"));
    return parseDictdIndex(in, path.string());
}

} // namespace dictconv
