// SPDX-License-Identifier: GPL-3.0-or-later
// The block masks with 32-byte vectors; built with AVX2 and called only where the processor
// has it. It includes nothing that other files share, so no AVX2 code leaks into them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

namespace dictconv {

namespace {

using Wide = signed char __attribute__((vector_size(32)));

unsigned maskOfWide(Wide hits) {
    __m256i bytes;
    std::memcpy(&bytes, &hits, sizeof bytes);
    return static_cast<unsigned>(_mm256_movemask_epi8(bytes));
}

#include "check_masks.inc"

} // namespace

void indexWordsAvx2(const char* p, std::size_t words, std::uint64_t* lfs, std::uint64_t* specials,
                    std::uint64_t* odds) {
    indexWords<Wide, maskOfWide>(p, words, lfs, specials, odds);
}

} // namespace dictconv
