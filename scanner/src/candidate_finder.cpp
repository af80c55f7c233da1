// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/candidate_finder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || (defined(__i386__) && defined(__SSE2__))
#include <immintrin.h>
#define LEXSCAN_X86 1
#endif

namespace lexscan {

namespace {

Candidate findPortable(std::string_view text, std::size_t from, std::string_view needle) {
    const char* const data = text.data();
    const void* hit = ::memmem(data + from, text.size() - from, needle.data(), needle.size());
    const std::size_t at =
        hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : text.size();
    const auto lineEnds = static_cast<std::size_t>(std::count(data + from, data + at, '\n'));
    return {hit ? at : Candidate::none, lineEnds};
}

#ifdef LEXSCAN_X86

// The masks of one 64-byte block: its LFs, and the starts whose first and last bytes match
// the needle's (the grep tools' filter: two compares rule out nearly every start).
struct BlockMasks {
    std::uint64_t lineEnds;
    std::uint64_t starts;
};

// The first start of the block that holds the whole needle, with the LFs before it added to
// lineEnds; false when none does, with all of the block's LFs added.
inline bool firstInBlock(const char* block, std::string_view needle, BlockMasks masks,
                         std::size_t& lineEnds, std::size_t& offset) {
    const std::size_t last = needle.size() - 1;
    for (std::uint64_t starts = masks.starts; starts != 0; starts &= starts - 1) {
        offset = static_cast<std::size_t>(__builtin_ctzll(starts));
        if (last < 2 || std::memcmp(block + offset + 1, needle.data() + 1, last - 1) == 0) {
            const std::uint64_t before = (std::uint64_t{1} << offset) - 1;
            lineEnds += static_cast<std::size_t>(__builtin_popcountll(masks.lineEnds & before));
            return true;
        }
    }
    lineEnds += static_cast<std::size_t>(__builtin_popcountll(masks.lineEnds));
    return false;
}

// The vector versions walk 64-byte blocks while the needle's last byte stays inside the text,
// then leave the rest to the portable finder. masksOf gives one block's masks; each version is
// flattened, so that its masks are computed inline with its own instructions.
template <typename Masks>
inline Candidate findByBlocks(std::string_view text, std::size_t from, std::string_view needle,
                              const Masks& masksOf) {
    const std::size_t last = needle.size() - 1;
    std::size_t lineEnds = 0;
    std::size_t at = from;
    for (; text.size() - at >= 64 + last; at += 64) {
        const char* bytes = text.data() + at;
        std::size_t offset = 0;
        if (firstInBlock(bytes, needle, masksOf(bytes), lineEnds, offset))
            return {at + offset, lineEnds};
    }
    const Candidate rest = findPortable(text, at, needle);
    return {rest.at, lineEnds + rest.lineEnds};
}

struct Sse2Masks {
    __m128i lf, first, final;
    std::size_t last;
    BlockMasks operator()(const char* block) const {
        BlockMasks masks{0, 0};
        for (int part = 0; part < 4; ++part) {
            const char* bytes = block + 16 * part;
            const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
            const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + last));
            const auto ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(heads, lf)));
            const auto starts = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, final))));
            masks.lineEnds |= std::uint64_t{ends} << (16 * part);
            masks.starts |= std::uint64_t{starts} << (16 * part);
        }
        return masks;
    }
};

__attribute__((flatten)) Candidate findSse2(std::string_view text, std::size_t from,
                                            std::string_view needle) {
    const Sse2Masks masks{_mm_set1_epi8('\n'), _mm_set1_epi8(needle.front()),
                          _mm_set1_epi8(needle.back()), needle.size() - 1};
    return findByBlocks(text, from, needle, masks);
}

struct Avx2Masks {
    __m256i lf, first, final;
    std::size_t last;
    __attribute__((target("avx2,popcnt,bmi"))) BlockMasks operator()(const char* block) const {
        BlockMasks masks{0, 0};
        for (int part = 0; part < 2; ++part) {
            const char* bytes = block + 32 * part;
            const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
            const __m256i tails =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + last));
            const auto ends =
                static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(heads, lf)));
            const auto starts = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(
                _mm256_cmpeq_epi8(heads, first), _mm256_cmpeq_epi8(tails, final))));
            masks.lineEnds |= std::uint64_t{ends} << (32 * part);
            masks.starts |= std::uint64_t{starts} << (32 * part);
        }
        return masks;
    }
};

__attribute__((target("avx2,popcnt,bmi"), flatten)) Candidate
findAvx2(std::string_view text, std::size_t from, std::string_view needle) {
    const Avx2Masks masks{_mm256_set1_epi8('\n'), _mm256_set1_epi8(needle.front()),
                          _mm256_set1_epi8(needle.back()), needle.size() - 1};
    return findByBlocks(text, from, needle, masks);
}

struct Avx512Masks {
    __m512i lf, first, final;
    std::size_t last;
    __attribute__((target("avx512f,avx512bw,popcnt,bmi"))) BlockMasks
    operator()(const char* block) const {
        const __m512i heads = _mm512_loadu_si512(block);
        const __m512i tails = _mm512_loadu_si512(block + last);
        return {_mm512_cmpeq_epi8_mask(heads, lf),
                _mm512_cmpeq_epi8_mask(heads, first) & _mm512_cmpeq_epi8_mask(tails, final)};
    }
};

__attribute__((target("avx512f,avx512bw,popcnt,bmi"), flatten)) Candidate
findAvx512(std::string_view text, std::size_t from, std::string_view needle) {
    const Avx512Masks masks{_mm512_set1_epi8('\n'), _mm512_set1_epi8(needle.front()),
                            _mm512_set1_epi8(needle.back()), needle.size() - 1};
    return findByBlocks(text, from, needle, masks);
}

#endif

#ifdef LEXSCAN_X86
constexpr vocabrix::text::VectorPaths<CandidateFinder> paths{findPortable, findSse2, findAvx2,
                                                             findAvx512};
#else
constexpr vocabrix::text::VectorPaths<CandidateFinder> paths{findPortable, nullptr, nullptr,
                                                             nullptr};
#endif

} // namespace

CandidateFinder candidateFinder() {
    static const CandidateFinder best = paths.best();
    return best;
}

std::size_t availableCandidateFinders(NamedCandidateFinder (&finders)[vocabrix::text::pathCount]) {
    return paths.available(finders);
}

} // namespace lexscan
