// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vector routines come in a portable version and, on x86, SSE2 and AVX2 ones; the AVX2 one runs
// only where the processor has it. Tests and fuzzing run each version this processor runs.

#include <cstddef>

namespace vocabrix::text {

bool cpuHasAvx2();

template <typename Function> struct NamedPath {
    const char* name;
    Function find;
};

// A version that is not built is null.
template <typename Function> struct VectorPaths {
    Function portable;
    Function sse2;
    Function avx2;

    Function best() const {
        if (avx2 && cpuHasAvx2()) return avx2;
        return sse2 ? sse2 : portable;
    }
    std::size_t available(NamedPath<Function> (&paths)[3]) const {
        std::size_t count = 0;
        paths[count++] = {"portable", portable};
        if (sse2) paths[count++] = {"sse2", sse2};
        if (avx2 && cpuHasAvx2()) paths[count++] = {"avx2", avx2};
        return count;
    }
};

} // namespace vocabrix::text
