// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/line_ends.h"

#include <cstring>

#if defined(__x86_64__) || (defined(__i386__) && defined(__SSE2__))
#include <immintrin.h>
#define LEXSCAN_X86 1
#endif

namespace vocabrix::text {

namespace {

std::size_t findPortable(const char* bytes, std::size_t size, std::uint32_t* ends) {
    std::size_t count = 0;
    const char* at = bytes;
    const char* const end = bytes + size;
    while ((
        at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at))))) {
        ends[count++] = static_cast<std::uint32_t>(at - bytes);
        ++at;
    }
    return count;
}

#ifdef LEXSCAN_X86

// Turns the LF mask of each 64-byte block into offsets. Most blocks hold no LF or one or two,
// so two offsets are written unconditionally (past the count when fewer) and only a busier
// block loops: few mispredicted branches.
template <typename Mask>
inline std::size_t findWithMasks(const char* bytes, std::size_t size, std::uint32_t* ends,
                                 Mask mask) {
    constexpr std::uint64_t stop = std::uint64_t{1} << 63;
    std::size_t count = 0;
    std::size_t at = 0;
    for (; at + 64 <= size; at += 64) {
        std::uint64_t bits = mask(bytes + at);
        const auto found = static_cast<std::size_t>(__builtin_popcountll(bits));
        const auto base = static_cast<std::uint32_t>(at);
        ends[count] = base + static_cast<std::uint32_t>(__builtin_ctzll(bits | stop));
        bits &= bits - 1;
        ends[count + 1] = base + static_cast<std::uint32_t>(__builtin_ctzll(bits | stop));
        bits &= bits - 1;
        for (std::size_t next = count + 2; bits != 0; bits &= bits - 1)
            ends[next++] = base + static_cast<std::uint32_t>(__builtin_ctzll(bits));
        count += found;
    }
    for (; at < size; ++at)
        if (bytes[at] == '\n') ends[count++] = static_cast<std::uint32_t>(at);
    return count;
}

std::uint64_t maskSse2(const char* bytes) {
    const __m128i lf = _mm_set1_epi8('\n');
    std::uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
        const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
        bits |= std::uint64_t{found} << (16 * part);
    }
    return bits;
}

std::size_t findSse2(const char* bytes, std::size_t size, std::uint32_t* ends) {
    return findWithMasks(bytes, size, ends, maskSse2);
}

__attribute__((target("avx2,popcnt,bmi"))) std::uint64_t maskAvx2(const char* bytes) {
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32));
    const auto lowBits = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, lf)));
    const auto highBits = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, lf)));
    return std::uint64_t{lowBits} | (std::uint64_t{highBits} << 32);
}

__attribute__((target("avx2,popcnt,bmi"))) std::size_t findAvx2(const char* bytes, std::size_t size,
                                                                std::uint32_t* ends) {
    return findWithMasks(bytes, size, ends, maskAvx2);
}

__attribute__((target("avx512f,avx512bw,popcnt,bmi"))) std::uint64_t maskAvx512(const char* bytes) {
    return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(bytes), _mm512_set1_epi8('\n'));
}

__attribute__((target("avx512f,avx512bw,popcnt,bmi"))) std::size_t
findAvx512(const char* bytes, std::size_t size, std::uint32_t* ends) {
    return findWithMasks(bytes, size, ends, maskAvx512);
}

#endif

#ifdef LEXSCAN_X86
constexpr VectorPaths<LineEndFinder> paths{findPortable, findSse2, findAvx2, findAvx512};
#else
constexpr VectorPaths<LineEndFinder> paths{findPortable, nullptr, nullptr, nullptr};
#endif

} // namespace

LineEndFinder lineEndFinder() {
    static const LineEndFinder best = paths.best();
    return best;
}

std::size_t availableLineEndFinders(NamedLineEndFinder (&finders)[pathCount]) {
    return paths.available(finders);
}

} // namespace vocabrix::text
