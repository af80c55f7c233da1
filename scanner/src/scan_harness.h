// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the scanning engine on a dictionary held in memory.

#include "lexscan/scan.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace lexscan::testing {

inline Request ask(std::string query, std::string root, std::string mode) {
    return {"", std::move(query), std::move(root), std::move(mode)};
}

struct ScanRun {
    ScanStatus status;
    std::string text; // every chunk, header and lines
};

// find: the block scan's vector path, null for the fastest; lineByLine: the plain scan instead.
inline ScanRun scanBytes(std::string_view dictionary, const Request& request,
                         std::size_t blockSize = LineReader::defaultBlockSize,
                         std::size_t readLimit = static_cast<std::size_t>(-1),
                         CandidateFinder find = nullptr, bool lineByLine = false) {
    MemorySource source(dictionary, readLimit);
    LineReader reader(source, blockSize);
    StringSink sink;
    const ScanStatus status =
        lineByLine ? scanLineByLine(reader, request, sink) : scanLines(reader, request, sink, find);
    return {status, sink.text};
}

// Every vector path of the block scan this processor runs.
inline std::vector<NamedCandidateFinder> candidateFinders() {
    NamedCandidateFinder finders[vocabrix::text::pathCount];
    const std::size_t count = availableCandidateFinders(finders);
    return {finders, finders + count};
}

using vocabrix::text::FailingSource;

// Keeps each chunk apart; refuses the chunk numbered refuse (from 0) and counts every offer.
class RecordingSink : public ChunkSink {
public:
    struct Chunk {
        std::uint32_t neighbours;
        std::string lines;
    };
    explicit RecordingSink(std::size_t refuse = static_cast<std::size_t>(-1)) : refuse_(refuse) {}
    bool takeChunk(std::uint32_t neighbours, std::string_view lines) override {
        if (offers++ == refuse_) return false;
        chunks.push_back({neighbours, std::string(lines)});
        return true;
    }
    std::vector<Chunk> chunks;
    std::size_t offers = 0;

private:
    std::size_t refuse_;
};

} // namespace lexscan::testing
