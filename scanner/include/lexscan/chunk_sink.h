// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the scan hands its result chunks.

#include <cstdint>
#include <string>
#include <string_view>

namespace lexscan {

class ChunkSink {
public:
    virtual ~ChunkSink() = default;
    // One result chunk: the number of its NL lines and its result lines, each ending in CR LF.
    // Returns false when the chunk could not be stored; the scan stops there.
    virtual bool takeChunk(std::uint32_t neighbourCount, std::string_view lines) = 0;
};

// The chunk header line: its mark, the NL count in decimal, the line end.
std::string chunkHeader(std::uint32_t neighbourCount);

// Keeps every chunk, header and lines, as the exchange file would hold them after the request.
class StringSink : public ChunkSink {
public:
    bool takeChunk(std::uint32_t neighbourCount, std::string_view lines) override {
        text += chunkHeader(neighbourCount);
        text += lines;
        return true;
    }
    std::string text;
};

} // namespace lexscan
