// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_text.h"

#include "upper_case.h"

#include <lexscan/exchange_format.h>

#include <algorithm>

namespace dictconv {

namespace {

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace

std::string cleanHeadword(std::string_view raw) {
    if (raw.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos)
        return toUpperUtf8(trimmed(raw));
    std::string joined;
    joined.reserve(raw.size());
    for (const char c : raw) {
        if (c != '\r' && c != '\n') joined += c == '\0' ? ' ' : c;
    }
    return toUpperUtf8(trimmed(joined));
}

bool isWantedHeadword(std::string_view headword) {
    if (headword.empty()) return false;
    if (lexscan::isReservedFirstCharacter(headword.front())) return false;
    return !headword.starts_with("00DATABASE") && !headword.starts_with("00-DATABASE");
}

std::string entryTranslation(std::string_view body, std::string_view upperHeadword) {
    // The first non-empty line is dropped when it repeats the headword.
    const std::size_t first = body.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos) {
        const std::size_t end = body.find('\n', first);
        if (upperStartsWith(trimmed(body.substr(first, end - first)), upperHeadword)) {
            body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
        }
    }
    return joinLines(body);
}

std::string joinLines(std::string_view body) {
    std::string out;
    out.reserve(body.size());
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        const std::string_view line = trimmed(body.substr(0, end));
        body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
        if (line.empty()) continue;
        if (!out.empty()) out += "; ";
        const std::size_t at = out.size();
        out += line;
        std::replace_if(
            out.begin() + static_cast<std::ptrdiff_t>(at), out.end(),
            [](char c) {
                // One compare for the bytes of text, which are above all three.
                return static_cast<unsigned char>(c) <= '\r' &&
                       (c == '\t' || c == '\r' || c == '\0');
            },
            ' ');
    }
    return out;
}

} // namespace dictconv
