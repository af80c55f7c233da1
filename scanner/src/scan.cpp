// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/scan.h"

#include "headword_match.h"
#include "vocabrix_text/utf8.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace lexscan {

namespace {

// The result lines collected since the last chunk was handed over.
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
        if (translation) *at++ = '=';
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

} // namespace

Mode modeFromText(std::string_view text) {
    if (text == "0") return Mode::TranslationOnly;
    if (text == "1") return Mode::Neighbours;
    if (text == "2") return Mode::Whereinto;
    return Mode::NeighboursAndWhereinto;
}

ScanStatus scanLines(LineReader& dictionary, const Request& request, ChunkSink& sink) {
    const std::string_view query = request.query;
    const std::string_view root = request.root;
    const Mode mode = modeFromText(request.mode);
    const bool everything = query == "*";
    const bool wantNeighbours = mode == Mode::Neighbours || mode == Mode::NeighboursAndWhereinto;
    const bool wantWhereinto = mode == Mode::Whereinto || mode == Mode::NeighboursAndWhereinto;
    // Mode "1" ends at the first headword without the root once NL has begun; a QW of one
    // character never ends it, nor does "*".
    const bool mayEndEarly =
        mode == Mode::Neighbours && !everything && vocabrix::text::characterCount(query) >= 2;

    ChunkText chunk(sink);
    bool neighbourFound = false;
    std::string_view headword;
    while (dictionary.next(headword)) {
        const bool exact = headword == query;
        if (everything || startsWith(headword, root)) {
            if (wantNeighbours) {
                if (!chunk.addNeighbour(headword)) return ScanStatus::SinkFailed;
                neighbourFound = true;
            }
        } else if (mayEndEarly && neighbourFound &&
                   !containsReadingPast(headword.substr(headword.empty() ? 0 : 1), root)) {
            break; // the root is not at 0 (checked above), nor anywhere later
        } else if (wantWhereinto && containsReadingPast(headword, query)) {
            chunk.addLine(headword);
        }

        if (!exact) {
            if (!dictionary.skip() && dictionary.failed()) return ScanStatus::DictionaryUnreadable;
            continue;
        }
        std::string_view translation;
        if (!dictionary.next(translation)) {
            if (dictionary.failed()) return ScanStatus::DictionaryUnreadable;
            translation = {};
        }
        chunk.addTranslation(translation);
        if (mode == Mode::TranslationOnly) break;
    }
    if (dictionary.failed()) return ScanStatus::DictionaryUnreadable;
    return chunk.handOver() ? ScanStatus::Completed : ScanStatus::SinkFailed;
}

ScanStatus scanDictionary(const Request& request, ChunkSink& sink, std::size_t blockSize) {
    FileSource file(request.dictionaryPath);
    if (!file.isOpen()) return ScanStatus::DictionaryUnreadable;
    LineReader dictionary(file, blockSize);
    return scanLines(dictionary, request, sink);
}

} // namespace lexscan
