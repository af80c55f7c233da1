// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result lines collected since the last chunk was handed over.

#include "lexscan/chunk_sink.h"
#include "lexscan/scan.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace lexscan {

class ChunkText {
public:
    explicit ChunkText(ChunkSink& sink) : sink_(sink), text_(64 * 1024, '\0') {}

    void addLine(std::string_view line) { add(line, false); }
    void addTranslation(std::string_view translation) { add(translation, true); }
    // Hands the chunk over as soon as it holds chunkLimit NL lines.
    bool addNeighbour(std::string_view headword) {
        addLine(headword);
        return ++neighbours_ < chunkLimit || handOver();
    }
    bool handOver() {
        const bool taken = sink_.takeChunk(neighbours_, std::string_view(text_.data(), used_));
        used_ = 0;
        neighbours_ = 0;
        return taken;
    }

private:
    // One copy per line into a buffer that only grows, no per-line allocation.
    void add(std::string_view line, bool translation) {
        const std::size_t size = (translation ? 1 : 0) + line.size() + 2;
        if (text_.size() - used_ < size) text_.resize(std::max(2 * text_.size(), used_ + size));
        char* at = text_.data() + used_;
        if (translation) *at++ = translationMark;
        if (!line.empty()) std::memcpy(at, line.data(), line.size());
        at[line.size()] = '\r';
        at[line.size() + 1] = '\n';
        used_ += size;
    }

    ChunkSink& sink_;
    std::string text_;
    std::size_t used_ = 0;
    std::uint32_t neighbours_ = 0;
};

} // namespace lexscan
