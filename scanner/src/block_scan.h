// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scan over the reader's blocks of whole lines. Where the request has a literal that every
// useful headword holds, only the lines holding it are examined: the finder jumps from one to
// the next and counts the line ends in between, which keeps the pairing of headword and
// translation lines. Otherwise every headword line is examined, split from an LF index.
// A line longer than the reader's buffer is taken whole through the reader, one line at a time.

#include "lexscan/candidate_finder.h"
#include "lexscan/scan.h"
#include "record_rules.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace lexscan {

class BlockScan {
public:
    BlockScan(LineReader& reader, RecordRules& rules, CandidateFinder find);
    ScanStatus run();

private:
    enum class Outcome { Consumed, End, Stop, SinkFailed, ReadFailed };

    Outcome byCandidates(std::string_view block, std::size_t& used);
    template <bool ofAll> Outcome everyLine(std::string_view block, std::size_t& used);
    Outcome oneLine();
    // The line at the reading place, known to be a headword line or a translation line.
    template <bool ofAll = false> Outcome headwordLine(std::string_view line);
    Outcome translationLine(std::string_view line);
    Outcome finishAtEnd();

    LineReader& reader_;
    RecordRules& rules_;
    CandidateFinder find_;
    std::unique_ptr<std::uint32_t[]> ends_;
    bool headwordNext_ = true;       // the next line is a headword line
    bool translationWanted_ = false; // ... or the translation of an exact match
};

} // namespace lexscan
