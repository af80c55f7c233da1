// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/vector_paths.h"

namespace vocabrix::text {

bool cpuHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
#else
    return false;
#endif
}

} // namespace vocabrix::text
