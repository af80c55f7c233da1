// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one record does to the results: where its headword goes, whether its translation is
// wanted, and when the scan ends. The line-by-line and the block scans both drive it.

#include "chunk_text.h"
#include "lexscan/request.h"
#include "lexscan/scan.h"

#include <string_view>

namespace lexscan {

class RecordRules {
public:
    enum class Step {
        Next,        // go on with the next record
        Translation, // hand over this record's translation line next
        Stop,        // the scan ends here
        SinkFailed,  // the sink refused a chunk
    };

    RecordRules(const Request& request, ChunkSink& sink);

    Step headword(std::string_view line);
    // headword() when every headword line is an NL line ("*" with NL wanted), for a line
    // followed by at least ChunkText::copySlack readable bytes.
    bool takesEveryHeadword() const { return everything_ && wantNeighbours_; }
    Step headwordOfAll(std::string_view line) {
        if (!chunk_.addNeighbourCopyingPast(line)) return Step::SinkFailed;
        neighbourFound_ = true;
        return line == query_ ? Step::Translation : Step::Next;
    }
    Step translation(std::string_view line);
    bool finish() { return chunk_.handOver(); }

    // A headword line without this literal cannot enter the results, nor be an exact match;
    // empty when every headword line must be looked at.
    std::string_view needle() const { return needle_; }
    // Whether a headword line without the needle ends the scan (mode "1" once NL has begun).
    bool endsAtMiss() const { return mayEndEarly_ && neighbourFound_; }

private:
    std::string_view query_;
    std::string_view root_;
    std::string_view needle_;
    Mode mode_;
    bool everything_;
    bool wantNeighbours_;
    bool wantWhereinto_;
    bool mayEndEarly_;
    bool neighbourFound_ = false;
    ChunkText chunk_;
};

} // namespace lexscan
