// SPDX-License-Identifier: GPL-3.0-or-later
#include "tsv.h"

#include "convert_error.h"
#include "entry_text.h"
#include "utf8.h"

#include <ostream>

namespace dictconv {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The fields after the first tab, trimmed; the empty ones left out.
std::string joinedFields(std::string_view rest) {
    std::string out;
    while (true) {
        const std::size_t tab = rest.find('\t');
        const std::string_view field = trimmed(rest.substr(0, tab));
        if (!field.empty()) {
            if (!out.empty()) out += "; ";
            for (const char c : field)
                out += (c == '\r' || c == '\0') ? ' ' : c;
        }
        if (tab == std::string_view::npos) return out;
        rest.remove_prefix(tab + 1);
    }
}

} // namespace

TsvRecords parseTsv(std::string_view bytes, const std::string& name, std::ostream& warnings) {
    std::string converted;
    if (!isValidUtf8(bytes)) {
        converted = windows1252ToUtf8(bytes);
        bytes = converted;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    TsvRecords result;
    std::size_t lineNumber = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            throw ConvertError(name + ":" + std::to_string(lineNumber) +
                               ": no tab between headword and translation");
        }
        std::string headword = cleanHeadword(line.substr(0, tab));
        if (!isWantedHeadword(headword)) {
            warnings << name << ":" << lineNumber << ": skipped: the headword \"" << headword
                     << "\" is blank, begins with \"*\", \"=\" or \"_\", or is metadata\n";
            ++result.skippedLines;
            continue;
        }
        result.records.push_back({std::move(headword), joinedFields(line.substr(tab + 1))});
    }
    return result;
}

} // namespace dictconv
