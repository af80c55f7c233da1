// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_bytes.h"

#include "vocabrix_text/utf8.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dictconv {

#if defined(VOCABRIX_AVX2_MASKS)
void indexWordsAvx2(const char* p, std::size_t words, std::uint64_t* lfs, std::uint64_t* specials,
                    std::uint64_t* odds);
#endif

namespace {

using Chunk = signed char __attribute__((vector_size(16)));

// One bit for each of the 16 bytes, in memory order: set where `hits` is set.
unsigned maskOf(Chunk hits) {
#if defined(__SSE2__)
    __m128i bytes;
    std::memcpy(&bytes, &hits, sizeof bytes);
    return static_cast<unsigned>(_mm_movemask_epi8(bytes));
#else
    // Gathers the low bit of each byte of a word into its top byte.
    const auto gather = [](std::uint64_t word) {
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        return static_cast<unsigned>(((word & 0x0101010101010101ULL) * 0x0102040810204080ULL) >>
                                     56);
    };
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    return gather(halves[0]) | (gather(halves[1]) << 8);
#endif
}

#include "check_masks.inc"

// Takes the character at `at` into `found` and returns where the next one starts. A byte that
// starts no well-formed sequence is taken alone.
std::size_t takeCharacter(const unsigned char* bytes, std::size_t at, std::size_t end,
                          LineBytes& found) {
    const unsigned char lead = bytes[at];
    if (lead < 0x80) {
        found.nul = found.nul || lead == 0;
        found.cr = found.cr || lead == '\r';
        return at + 1;
    }
    found.ascii = false;
    if (!found.utf8) return at + 1;
    // Two-byte sequences, the accented Latin letters, are the common case.
    if (lead >= 0xC2 && lead <= 0xDF && end - at >= 2 && (bytes[at + 1] & 0xC0) == 0x80)
        return at + 2;
    const std::string_view line(reinterpret_cast<const char*>(bytes), end);
    const std::size_t size = vocabrix::text::utf8SequenceLength(line, at);
    if (size != 0) return at + size;
    found.utf8 = false;
    return at + 1;
}

} // namespace

LineBytes scanLine(std::string_view text) {
    LineBytes found;
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t at = 0; at < text.size();)
        at = takeCharacter(bytes, at, text.size(), found);
    return found;
}

void BlockMasks::index(std::string_view block) {
    block_ = block;
    const std::size_t words = (block.size() + 63) / 64;
    lf_.resize(words);
    special_.resize(words);
    odd_.resize(words);
#if defined(VOCABRIX_AVX2_MASKS)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        indexWordsAvx2(block.data(), words, lf_.data(), special_.data(), odd_.data());
        return;
    }
#endif
    indexWords<Chunk, maskOf>(block.data(), words, lf_.data(), special_.data(), odd_.data());
}

std::size_t BlockMasks::nextLf(std::size_t from) const {
    std::size_t word = from / 64;
    if (word >= lf_.size()) return std::string_view::npos;
    std::uint64_t bits = lf_[word] & (~std::uint64_t{0} << (from % 64));
    while (bits == 0) {
        if (++word == lf_.size()) return std::string_view::npos;
        bits = lf_[word];
    }
    const std::size_t at = 64 * word + static_cast<std::size_t>(std::countr_zero(bits));
    return at < block_.size() ? at : std::string_view::npos; // the slack is not the block's
}

namespace {

// Whether `first` and `second` have bits in [from, to).
std::pair<bool, bool> anyIn(const std::vector<std::uint64_t>& first,
                            const std::vector<std::uint64_t>& second, std::size_t from,
                            std::size_t to) {
    const std::size_t begin = from / 64, last = (to - 1) / 64;
    std::uint64_t a = 0, b = 0;
    for (std::size_t word = begin; word <= last; ++word) {
        std::uint64_t keep = ~std::uint64_t{0};
        if (word == begin) keep &= ~std::uint64_t{0} << (from % 64);
        if (word == last) keep &= ~std::uint64_t{0} >> (63 - (to - 1) % 64);
        a |= first[word] & keep;
        b |= second[word] & keep;
    }
    return {a != 0, b != 0};
}

} // namespace

LineBytes BlockMasks::scan(std::size_t from, std::size_t to) const {
    LineBytes found;
    if (from >= to) return found;
    const auto [special, odd] = anyIn(special_, odd_, from, to);
    if (!special) return found;
    const auto* const bytes = reinterpret_cast<const unsigned char*>(block_.data());
    // Plain UTF-8, unless a sequence runs in from before the line or out past its end.
    const bool cutAtEnd = bytes[to - 1] >= 0xC0 || (to - from >= 2 && bytes[to - 2] >= 0xE0);
    if ((bytes[from] & 0xC0) != 0x80 && !cutAtEnd && !odd) {
        found.ascii = false;
        return found;
    }
    const std::size_t first = from / 64, last = (to - 1) / 64;
    std::size_t next = from; // where the next character starts
    for (std::size_t word = first; word <= last; ++word) {
        std::uint64_t bits = special_[word];
        if (word == last) bits &= ~std::uint64_t{0} >> (63 - (to - 1) % 64);
        const std::size_t base = 64 * word;
        while (bits != 0) {
            // The bits of the bytes before `next` (the rest of a sequence) are dropped at once.
            if (next >= base + 64) break;
            if (next > base) bits &= ~std::uint64_t{0} << (next - base);
            if (bits == 0) break;
            next = takeCharacter(bytes, base + static_cast<std::size_t>(std::countr_zero(bits)), to,
                                 found);
        }
    }
    return found;
}

} // namespace dictconv
