// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vector routines come in a portable version and, on x86, SSE2, AVX2 and AVX-512 ones; the last
// two run only where the processor has them. Tests and fuzzing run each version this processor
// runs.

#include <cstddef>

namespace vocabrix::text {

// AVX2 with POPCNT and BMI1, which the AVX2 versions use for their masks.
bool cpuHasAvx2();
// AVX-512 F and BW, with POPCNT and BMI1.
bool cpuHasAvx512();

// The most versions one routine comes in.
inline constexpr std::size_t pathCount = 4;

template <typename Function> struct NamedPath {
    const char* name;
    Function find;
};

// A version that is not built is null.
template <typename Function> struct VectorPaths {
    Function portable;
    Function sse2;
    Function avx2;
    Function avx512;

    Function best() const {
        if (avx512 && cpuHasAvx512()) return avx512;
        if (avx2 && cpuHasAvx2()) return avx2;
        return sse2 ? sse2 : portable;
    }
    std::size_t available(NamedPath<Function> (&paths)[pathCount]) const {
        std::size_t count = 0;
        paths[count++] = {"portable", portable};
        if (sse2) paths[count++] = {"sse2", sse2};
        if (avx2 && cpuHasAvx2()) paths[count++] = {"avx2", avx2};
        if (avx512 && cpuHasAvx512()) paths[count++] = {"avx512", avx512};
        return count;
    }
};

} // namespace vocabrix::text
