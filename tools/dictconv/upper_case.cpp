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

std::string toUpperUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char byte = text[i];
        if (static_cast<std::uint8_t>(byte) < 0x80) {
            out += (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A') : byte;
            ++i;
            continue;
        }
        std::size_t size = 1;
        const std::optional<char32_t> c = decodeUtf8(text.substr(i), size);
        if (!c) {
            out += byte;
            ++i;
            continue;
        }
        appendUtf8(out, upperOf(*c));
        i += size;
    }
    return out;
}

} // namespace dictconv
