// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/chunk_sink.h"

#include "lexscan/exchange_format.h"

namespace lexscan {

std::string chunkHeader(std::uint32_t neighbourCount) {
    return chunkHeaderMark + std::to_string(neighbourCount) + std::string(lineEnd);
}

} // namespace lexscan
