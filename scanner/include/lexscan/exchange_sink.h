// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Appends result chunks to the exchange file.

#include "lexscan/chunk_sink.h"

#include <string>
#include <utility>

namespace lexscan {

// Each chunk: open the existing file for appending, one write of header and lines, close.
// The file is never created. A chunk that cannot be appended whole is cut off again, so the
// file always ends after a whole chunk, and takeChunk() returns false.
class ExchangeFileSink : public ChunkSink {
public:
    explicit ExchangeFileSink(std::string path) : path_(std::move(path)) {}
    bool takeChunk(std::uint32_t neighbourCount, std::string_view lines) override;

private:
    std::string path_;
};

} // namespace lexscan
