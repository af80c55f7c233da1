// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_bytes.h"

#include "utf8.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dictconv {

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
    std::size_t size = 1;
    const std::string_view rest(reinterpret_cast<const char*>(bytes) + at, end - at);
    if (decodeUtf8(rest, size)) return at + size;
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
    const char* p = block.data();
    for (std::size_t i = 0; i < words; ++i) {
        std::uint64_t lf = 0, special = 0;
        for (int part = 0; part < 4; ++part, p += 16) {
            Chunk bytes;
            std::memcpy(&bytes, p, sizeof bytes);
            lf |= std::uint64_t{maskOf(bytes == '\n')} << (16 * part);
            // Bytes above 0x7F are negative here.
            special |= std::uint64_t{maskOf((bytes < 1) | (bytes == '\r'))} << (16 * part);
        }
        lf_[i] = lf;
        special_[i] = special;
    }
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

LineBytes BlockMasks::scan(std::size_t from, std::size_t to) const {
    LineBytes found;
    if (from >= to) return found;
    const auto* const bytes = reinterpret_cast<const unsigned char*>(block_.data());
    const std::size_t first = from / 64, last = (to - 1) / 64;
    std::size_t next = from; // where the next character starts
    for (std::size_t word = first; word <= last; ++word) {
        std::uint64_t bits = special_[word];
        if (word == first) bits &= ~std::uint64_t{0} << (from % 64);
        if (word == last) bits &= ~std::uint64_t{0} >> (63 - (to - 1) % 64);
        for (; bits != 0; bits &= bits - 1) {
            const std::size_t at = 64 * word + static_cast<std::size_t>(std::countr_zero(bits));
            if (at >= next) next = takeCharacter(bytes, at, to, found); // else inside a sequence
        }
    }
    return found;
}

} // namespace dictconv
