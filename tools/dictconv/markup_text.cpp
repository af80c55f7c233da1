// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup_text.h"

#include "entry_text.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace dictconv {

namespace {

std::string lowerName(std::string_view tag) {
    // The tag's name: after "<" or "</", up to a blank, "/" or ">".
    std::size_t i = 1;
    if (i < tag.size() && tag[i] == '/') ++i;
    std::string name;
    for (; i < tag.size() && std::isalnum(static_cast<unsigned char>(tag[i])); ++i)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[i])));
    return name;
}

// Tags that end a line of text: <br>, and the start or end of a paragraph-like block.
bool breaksLine(std::string_view tag) {
    static constexpr std::array<std::string_view, 9> blocks = {"br", "p",  "div", "li",        "tr",
                                                               "ul", "ol", "h1",  "blockquote"};
    const std::string name = lowerName(tag);
    return std::find(blocks.begin(), blocks.end(), name) != blocks.end();
}

std::optional<char32_t> numericEntity(std::string_view digits) {
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    unsigned long value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return {};
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return static_cast<char32_t>(value);
}

// The character of an entity's name ("amp", "#233", "#xE9"), or none for an unknown one.
std::optional<char32_t> entityValue(std::string_view name) {
    if (name.starts_with('#')) return numericEntity(name.substr(1));
    static constexpr std::pair<std::string_view, char32_t> named[] = {
        {"amp", U'&'},     {"lt", U'<'},    {"gt", U'>'},    {"quot", U'"'},   {"apos", U'\''},
        {"nbsp", U'\xA0'}, {"ndash", U'–'}, {"mdash", U'—'}, {"hellip", U'…'}, {"laquo", U'«'},
        {"raquo", U'»'},   {"copy", U'©'},  {"reg", U'®'},   {"deg", U'°'},    {"middot", U'·'},
        {"lsquo", U'‘'},   {"rsquo", U'’'}, {"ldquo", U'“'}, {"rdquo", U'”'},  {"times", U'×'}};
    for (const auto& [entity, value] : named)
        if (entity == name) return value;
    return {};
}

} // namespace

std::string markupToText(std::string_view markup) {
    std::string lines; // the text with a '\n' wherever a line ends
    std::size_t i = 0;
    while (i < markup.size()) {
        const char c = markup[i];
        if (c == '<') {
            const std::size_t close = markup.find('>', i);
            const bool tag = close != std::string_view::npos && i + 1 < markup.size() &&
                             (std::isalpha(static_cast<unsigned char>(markup[i + 1])) ||
                              markup[i + 1] == '/' || markup[i + 1] == '!');
            if (tag) {
                if (breaksLine(markup.substr(i, close - i))) lines += '\n';
                i = close + 1;
                continue;
            }
        } else if (c == '&') {
            const std::size_t semicolon = markup.find(';', i);
            if (semicolon != std::string_view::npos && semicolon - i <= 10) {
                if (const auto value = entityValue(markup.substr(i + 1, semicolon - i - 1))) {
                    appendUtf8(lines, *value);
                    i = semicolon + 1;
                    continue;
                }
            }
        }
        // In markup a line end is white space like any other.
        const bool blank = c == '\n' || c == '\r' || c == '\t' || c == ' ';
        if (!blank) {
            lines += c;
        } else if (!lines.empty() && lines.back() != ' ' && lines.back() != '\n') {
            lines += ' ';
        }
        ++i;
    }
    return joinLines(lines);
}

} // namespace dictconv
