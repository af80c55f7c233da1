// SPDX-License-Identifier: GPL-3.0-or-later
#include "block_scan.h"

#include "vocabrix_text/line_ends.h"

#include <algorithm>
#include <cstring>

namespace lexscan {

namespace {

// Bytes split at a time by the LF index: small enough for the index to stay in the first-level
// cache.
constexpr std::size_t windowSize = 16 * 1024;

// Candidates found in a block, and the bytes per candidate below which they count as dense.
constexpr std::size_t denseCount = 16;
constexpr std::size_t denseSpacing = 384;

// The line from start to its LF at lf (a CR before it dropped), or to the end of the input.
std::string_view lineAt(const char* data, std::size_t start, std::size_t lf, bool ended) {
    std::size_t length = lf - start;
    if (ended && length > 0 && data[lf - 1] == '\r') --length;
    return {data + start, length};
}

// Where the line starting at start ends: its LF, or size when it is the input's last line.
std::size_t endOfLine(std::string_view block, std::size_t start) {
    const void* lf = std::memchr(block.data() + start, '\n', block.size() - start);
    return lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - block.data())
              : block.size();
}

} // namespace

BlockScan::BlockScan(LineReader& reader, RecordRules& rules, CandidateFinder find)
    : reader_(reader), rules_(rules), find_(find),
      ends_(new std::uint32_t[windowSize + vocabrix::text::lineEndsSlack]) {}

ScanStatus BlockScan::run() {
    for (;;) {
        const std::string_view block = reader_.wholeLines();
        Outcome outcome = Outcome::Consumed;
        if (block.empty()) {
            outcome = oneLine();
        } else {
            std::size_t used = 0;
            if (!rules_.needle().empty())
                outcome = byCandidates(block, used);
            else if (rules_.takesEveryHeadword())
                outcome = everyLine<true>(block, used);
            else
                outcome = everyLine<false>(block, used);
            reader_.consume(used);
        }
        if (outcome == Outcome::End) outcome = finishAtEnd();
        if (outcome == Outcome::SinkFailed) return ScanStatus::SinkFailed;
        if (outcome == Outcome::ReadFailed) return ScanStatus::DictionaryUnreadable;
        if (outcome != Outcome::Consumed) break;
    }
    if (reader_.failed()) return ScanStatus::DictionaryUnreadable;
    return rules_.finish() ? ScanStatus::Completed : ScanStatus::SinkFailed;
}

BlockScan::Outcome BlockScan::finishAtEnd() {
    if (reader_.failed()) return Outcome::ReadFailed;
    // An exact match on the last line: its translation is empty.
    if (translationWanted_) translationLine({});
    return Outcome::Stop;
}

template <bool ofAll> BlockScan::Outcome BlockScan::headwordLine(std::string_view line) {
    headwordNext_ = false;
    switch (ofAll ? rules_.headwordOfAll(line) : rules_.headword(line)) {
    case RecordRules::Step::Translation:
        translationWanted_ = true;
        return Outcome::Consumed;
    case RecordRules::Step::Stop:
        return Outcome::Stop;
    case RecordRules::Step::SinkFailed:
        return Outcome::SinkFailed;
    case RecordRules::Step::Next:
        break;
    }
    return Outcome::Consumed;
}

BlockScan::Outcome BlockScan::translationLine(std::string_view line) {
    headwordNext_ = true;
    if (!translationWanted_) return Outcome::Consumed;
    translationWanted_ = false;
    return rules_.translation(line) == RecordRules::Step::Stop ? Outcome::Stop : Outcome::Consumed;
}

// A line that does not fit the buffer: the reader takes it whole, or skips it.
BlockScan::Outcome BlockScan::oneLine() {
    std::string_view line;
    if (headwordNext_ || translationWanted_) {
        if (!reader_.next(line)) return Outcome::End;
        return headwordNext_ ? headwordLine(line) : translationLine(line);
    }
    if (!reader_.skip()) return Outcome::End;
    headwordNext_ = true;
    return Outcome::Consumed;
}

// Every line of the block, split from an LF index; ofAll: each headword line goes to NL
// (lines in the block are followed by the reader's slack, which covers the fixed-size copy).
static_assert(ChunkText::copySlack <= LineReader::lineSlack);

template <bool ofAll>
BlockScan::Outcome BlockScan::everyLine(std::string_view block, std::size_t& used) {
    const char* const data = block.data();
    std::size_t start = 0;
    for (std::size_t window = 0; window < block.size(); window += windowSize) {
        const std::size_t size = std::min(windowSize, block.size() - window);
        const std::size_t count = vocabrix::text::lineEndFinder()(data + window, size, ends_.get());
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t lf = window + ends_[i];
            const std::string_view line = lineAt(data, start, lf, true);
            start = lf + 1;
            if (!headwordNext_ && !translationWanted_) {
                headwordNext_ = true;
                continue;
            }
            const Outcome outcome =
                headwordNext_ ? headwordLine<ofAll>(line) : translationLine(line);
            if (outcome != Outcome::Consumed) return outcome;
        }
    }
    used = block.size();
    if (start == block.size()) return Outcome::Consumed;
    // The input's last line, without a line end.
    const std::string_view line = lineAt(data, start, block.size(), false);
    if (headwordNext_) return headwordLine<ofAll>(line);
    return translationLine(line);
}

BlockScan::Outcome BlockScan::byCandidates(std::string_view block, std::size_t& used) {
    const char* const data = block.data();
    const std::size_t size = block.size();
    const std::string_view needle = rules_.needle();
    std::size_t at = 0; // a line start
    std::size_t candidates = 0;
    while (at < size) {
        // Where candidates stand closer than a few records (a root of one common letter), a
        // jump costs more than splitting every line: split the rest of the block.
        if (candidates > denseCount && candidates * denseSpacing > at) {
            std::size_t rest = 0;
            const Outcome outcome = everyLine<false>(block.substr(at), rest);
            used = at + rest;
            return outcome;
        }
        if (!headwordNext_) {
            const std::size_t end = endOfLine(block, at);
            const Outcome outcome = translationLine(lineAt(data, at, end, end < size));
            at = end + 1;
            if (outcome != Outcome::Consumed) return outcome;
            continue;
        }
        const Candidate next = find_(block, at, needle);
        ++candidates;
        // A headword line without the needle ends mode "1" once NL has begun.
        if ((next.at == Candidate::none || next.lineEnds > 0) && rules_.endsAtMiss())
            return Outcome::Stop;
        if (next.at == Candidate::none) {
            // The lines left in the block hold no candidate: only their count matters.
            const std::size_t lines = next.lineEnds + (data[size - 1] == '\n' ? 0 : 1);
            headwordNext_ = lines % 2 == 0;
            break;
        }
        if (next.lineEnds > 0)
            at = static_cast<std::size_t>(
                     static_cast<const char*>(::memrchr(data + at, '\n', next.at - at)) - data) +
                 1;
        if (next.lineEnds % 2 == 1) {
            headwordNext_ = false; // a hit in a translation line
            continue;
        }
        const std::size_t end = endOfLine(block, at);
        const Outcome outcome = headwordLine(lineAt(data, at, end, end < size));
        at = end + 1;
        if (outcome != Outcome::Consumed) return outcome;
    }
    used = size;
    return Outcome::Consumed;
}

} // namespace lexscan
