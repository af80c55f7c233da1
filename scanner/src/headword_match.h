// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte-exact tests on one headword, made cheap for short lines: most headwords are rejected
// after one compare.

#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lexscan {

inline bool startsWith(std::string_view text, std::string_view prefix) {
    if (prefix.empty()) return true;
    return text.size() >= prefix.size() && text[0] == prefix[0] &&
           std::memcmp(text.data() + 1, prefix.data() + 1, prefix.size() - 1) == 0;
}

// Whether part occurs in text. Reads up to 15 bytes past the end of text, which must be
// readable (a line from LineReader is followed by LineReader::lineSlack bytes).
inline bool containsReadingPast(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    if (part.size() > text.size()) return false;
    const std::size_t lastStart = text.size() - part.size();
#if defined(__SSE2__)
    // 16 starts at a time: those whose first and last bytes both match are checked in full.
    const std::size_t last = part.size() - 1;
    const __m128i first = _mm_set1_epi8(part[0]);
    const __m128i final = _mm_set1_epi8(part[last]);
    for (std::size_t at = 0; at <= lastStart; at += 16) {
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        const __m128i tails =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at + last));
        auto starts = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, final))));
        if (lastStart - at < 15) starts &= (2u << (lastStart - at)) - 1;
        for (; starts != 0; starts &= starts - 1) {
            const std::size_t start = at + static_cast<std::size_t>(__builtin_ctz(starts));
            if (std::memcmp(text.data() + start + 1, part.data() + 1, part.size() - 1) == 0)
                return true;
        }
    }
    return false;
#else
    const char* at = text.data();
    const char* const end = text.data() + lastStart;
    while ((at = static_cast<const char*>(
                std::memchr(at, part[0], static_cast<std::size_t>(end - at) + 1)))) {
        if (std::memcmp(at + 1, part.data() + 1, part.size() - 1) == 0) return true;
        ++at;
    }
    return false;
#endif
}

} // namespace lexscan
