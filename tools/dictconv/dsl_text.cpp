// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsl_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace dictconv {

namespace {

// Blanks trimmed, runs of blanks, tabs, CRs and NULs made one blank.
std::string squeezed(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\0') { // no line end may stay
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// The tags of the format; all but [s] keep what they enclose.
bool isKnownTag(std::string_view name) {
    static constexpr std::array<std::string_view, 20> known = {
        "trn", "b",   "i",    "u",   "c", "p",   "ex",  "com", "*", "lang",
        "ref", "url", "!trs", "trs", "t", "sup", "sub", "s",   "'", "m"};
    if (name.size() == 2 && name[0] == 'm' && std::isdigit(static_cast<unsigned char>(name[1])))
        return true;
    return std::find(known.begin(), known.end(), name) != known.end();
}

// The name of the tag between "[" and "]": after an optional "/", up to a blank.
std::string_view tagName(std::string_view tag) {
    if (tag.starts_with('/')) tag.remove_prefix(1);
    return tag.substr(0, tag.find(' '));
}

// The alternatives so far, each followed by `part`; with `optional`, also each without it.
void extend(std::vector<std::string>& forms, const std::string& part, bool optional) {
    constexpr std::size_t most = 64; // a line of many optional parts gives its fullest forms
    const std::size_t count = forms.size();
    if (optional && count * 2 <= most) {
        const std::vector<std::string> without = forms;
        forms.insert(forms.end(), without.begin(), without.end());
    }
    for (std::size_t i = 0; i < count; ++i)
        forms[i] += part;
}

} // namespace

std::vector<std::string> dslHeadwordForms(std::string_view line) {
    std::vector<std::string> forms{std::string()};
    std::string fixed, optional;
    bool inOptional = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        std::string& into = inOptional ? optional : fixed;
        if (c == '\\' && i + 1 < line.size()) {
            into += line[++i];
        } else if (c == '{') {
            const bool comment = line.substr(i).starts_with("{{");
            const std::size_t end = line.find(comment ? "}}" : "}", i);
            if (end == std::string_view::npos) break;
            i = end + (comment ? 1 : 0);
        } else if (c == '(' && !inOptional && line.find(')', i) != std::string_view::npos) {
            extend(forms, fixed, false);
            fixed.clear();
            inOptional = true;
        } else if (c == ')' && inOptional) {
            extend(forms, optional, true);
            optional.clear();
            inOptional = false;
        } else {
            into += c;
        }
    }
    extend(forms, fixed, false);
    std::vector<std::string> out;
    for (const std::string& form : forms) {
        std::string clean = squeezed(form);
        if (!clean.empty() && std::find(out.begin(), out.end(), clean) == out.end())
            out.push_back(std::move(clean));
    }
    return out;
}

std::string dslLineText(std::string_view line, bool& inComment, std::uint64_t& unknownTags) {
    std::string out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (inComment) {
            const std::size_t end = line.find("}}", i);
            if (end == std::string_view::npos) break;
            inComment = false;
            i = end + 2;
            continue;
        }
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            out += line[i + 1];
            i += 2;
        } else if (line.substr(i).starts_with("{{")) {
            inComment = true;
            i += 2;
        } else if (line.substr(i).starts_with("<<") || line.substr(i).starts_with(">>")) {
            i += 2;
        } else if (c == '~') {
            out += dslTildeMark;
            ++i;
        } else if (c == '[' && line.find(']', i) != std::string_view::npos) {
            const std::size_t close = line.find(']', i);
            const std::string_view tag = line.substr(i + 1, close - i - 1);
            const std::string_view name = tagName(tag);
            i = close + 1;
            if (tag == "s") { // media: the file name goes with it
                const std::size_t end = line.find("[/s]", i);
                i = end == std::string_view::npos ? line.size() : end + 4;
            } else if (!isKnownTag(name)) {
                ++unknownTags;
            }
        } else {
            out += c;
            ++i;
        }
    }
    return squeezed(out);
}

std::string withHeadword(std::string_view text, std::string_view headword) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == dslTildeMark)
            out += headword;
        else
            out += c;
    }
    return out;
}

} // namespace dictconv
