// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/vector_paths.h"

namespace vocabrix::text {

#if defined(__x86_64__) || defined(__i386__)

bool cpuHasAvx2() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
               __builtin_cpu_supports("bmi");
    }();
    return has;
}

bool cpuHasAvx512() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi");
    }();
    return has;
}

#else

bool cpuHasAvx2() {
    return false;
}
bool cpuHasAvx512() {
    return false;
}

#endif

} // namespace vocabrix::text
