// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/chunk_sink.h"

namespace lexscan {

std::string chunkHeader(std::uint32_t neighbourCount) {
    return "*" + std::to_string(neighbourCount) + "\r\n";
}

} // namespace lexscan
