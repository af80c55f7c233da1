// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result lines collected since the last chunk was handed over.

#include "lexscan/chunk_sink.h"
#include "lexscan/scan.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace lexscan {

class ChunkText {
public:
    explicit ChunkText(ChunkSink& sink) : sink_(sink) { reserve(64 * 1024); }
    ~ChunkText() { std::free(text_); }
    ChunkText(const ChunkText&) = delete;
    ChunkText& operator=(const ChunkText&) = delete;

    void addLine(std::string_view line) { add(line, false); }
    void addTranslation(std::string_view translation) { add(translation, true); }
    // Hands the chunk over as soon as it holds chunkLimit NL lines.
    bool addNeighbour(std::string_view headword) {
        addLine(headword);
        return ++neighbours_ < chunkLimit || handOver();
    }
    // addNeighbour() for a short line followed by at least copySlack readable bytes: one
    // fixed-size copy, no call. "*" lists millions of headwords this way.
    static constexpr std::size_t copySlack = 32;
    bool addNeighbourCopyingPast(std::string_view headword) {
        if (headword.size() > copySlack) return addNeighbour(headword);
        if (capacity_ - used_ < copySlack + 2) reserve(2 * capacity_);
        char* at = text_ + used_;
        std::memcpy(at, headword.data(), copySlack);
        at[headword.size()] = '\r';
        at[headword.size() + 1] = '\n';
        used_ += headword.size() + 2;
        return ++neighbours_ < chunkLimit || handOver();
    }
    bool handOver() {
        const bool taken = sink_.takeChunk(neighbours_, std::string_view(text_, used_));
        used_ = 0;
        neighbours_ = 0;
        return taken;
    }

private:
    // One copy per line into a buffer that only grows, no per-line allocation. The buffer is
    // grown by realloc, which moves a large one by remapping its pages rather than copying them,
    // and nothing is filled in first: a chunk of many WL lines can run to tens of megabytes.
    void add(std::string_view line, bool translation) {
        const std::size_t size = (translation ? 1 : 0) + line.size() + 2;
        if (capacity_ - used_ < size) reserve(std::max(2 * capacity_, used_ + size));
        char* at = text_ + used_;
        if (translation) *at++ = translationMark;
        if (!line.empty()) std::memcpy(at, line.data(), line.size());
        at[line.size()] = '\r';
        at[line.size() + 1] = '\n';
        used_ += size;
    }
    void reserve(std::size_t capacity) {
        void* grown = std::realloc(text_, capacity);
        if (grown == nullptr) throw std::bad_alloc();
        text_ = static_cast<char*>(grown);
        capacity_ = capacity;
    }

    ChunkSink& sink_;
    char* text_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::uint32_t neighbours_ = 0;
};

} // namespace lexscan
