// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the fuzz targets: cutting one input into the parts of a dictionary, and checking
// that a finished two-line dictionary is whole.

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace dictconv::fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "dictconv fuzz: %s\n", what);
    std::abort();
}

// The parts of an input separated by "####"; at most `count`, the last taking the rest.
inline std::vector<std::string_view> splitParts(std::string_view input, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find("####");
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + 4);
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

// A headword and a translation must each stay on one line, and the headword must be one the
// format can hold.
inline void checkRecord(std::string_view headword, std::string_view translation) {
    if (headword.empty() || headword[0] == '*' || headword[0] == '=' || headword[0] == '_')
        fail("unwanted headword written");
    if (headword.find_first_of("\r\n") != std::string_view::npos)
        fail("line end inside a headword");
    if (translation.find_first_of("\r\n") != std::string_view::npos)
        fail("line end inside a translation");
}

} // namespace dictconv::fuzz
