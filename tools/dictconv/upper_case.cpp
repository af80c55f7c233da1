// SPDX-License-Identifier: GPL-3.0-or-later
#include "upper_case.h"

#include "utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace dictconv {

namespace {

// Code points first..last, every stride-th one, whose upper case lies offset further on.
struct UpperRun {
    char32_t first;
    char32_t last;
    std::int32_t offset;
    char32_t stride;
};

constexpr UpperRun upperRuns[] = {
#include "upper_case_table.inc"
};

} // namespace

char32_t upperOf(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    // The last run starting at or before c.
    const auto after = std::upper_bound(std::begin(upperRuns), std::end(upperRuns), c,
                                        [](char32_t v, const UpperRun& r) { return v < r.first; });
    if (after == std::begin(upperRuns)) return c;
    const UpperRun& run = *std::prev(after);
    if (c > run.last || (c - run.first) % run.stride != 0) return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run.offset);
}

namespace {

// Appends the upper case of the character at text[at] and gives the bytes it took.
std::size_t appendUpper(std::string_view text, std::size_t at, std::string& out) {
    const char byte = text[at];
    if (static_cast<std::uint8_t>(byte) < 0x80) {
        out += (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A') : byte;
        return 1;
    }
    std::size_t size = 1;
    const std::optional<char32_t> c = decodeUtf8(text.substr(at), size);
    if (!c) {
        out += byte;
        return 1;
    }
    appendUtf8(out, upperOf(*c));
    return size;
}

} // namespace

std::string toUpperUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        i += appendUpper(text, i, out);
    return out;
}

bool upperStartsWith(std::string_view text, std::string_view upperPrefix) {
    std::string upper; // one character's, short enough to need no allocation
    for (std::size_t i = 0; !upperPrefix.empty(); upperPrefix.remove_prefix(upper.size())) {
        if (i == text.size()) return false;
        upper.clear();
        i += appendUpper(text, i, upper);
        if (upper.size() > upperPrefix.size()) return upper.starts_with(upperPrefix);
        if (!upperPrefix.starts_with(upper)) return false;
    }
    return true;
}

} // namespace dictconv
