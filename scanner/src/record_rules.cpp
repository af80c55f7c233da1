// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_rules.h"

#include "headword_match.h"
#include "vocabrix_text/utf8.h"

namespace lexscan {

RecordRules::RecordRules(const Request& request, ChunkSink& sink)
    : query_(request.query), root_(request.root), mode_(modeFromText(request.mode)),
      everything_(query_ == everyHeadword),
      wantNeighbours_(mode_ == Mode::Neighbours || mode_ == Mode::NeighboursAndWhereinto),
      wantWhereinto_(mode_ == Mode::Whereinto || mode_ == Mode::NeighboursAndWhereinto),
      // Mode "1" ends at the first headword without the root once NL has begun; a QW of one
      // character never ends it, nor does "*".
      mayEndEarly_(mode_ == Mode::Neighbours && !everything_ &&
                   vocabrix::text::characterCount(query_) >= 2),
      chunk_(sink) {
    // NL wants the root; WL and the exact match want QW, which begins with the root.
    if (!wantNeighbours_)
        needle_ = query_;
    else if (!everything_ && startsWith(query_, root_))
        needle_ = root_;
}

RecordRules::Step RecordRules::headword(std::string_view line) {
    if (everything_ || startsWith(line, root_)) {
        if (wantNeighbours_) {
            if (!chunk_.addNeighbour(line)) return Step::SinkFailed;
            neighbourFound_ = true;
        }
    } else if (mayEndEarly_ && neighbourFound_ &&
               !containsReadingPast(line.substr(line.empty() ? 0 : 1), root_)) {
        return Step::Stop; // the root is not at 0 (checked above), nor anywhere later
    } else if (wantWhereinto_ && containsReadingPast(line, query_)) {
        chunk_.addLine(line);
    }
    return line == query_ ? Step::Translation : Step::Next;
}

RecordRules::Step RecordRules::translation(std::string_view line) {
    chunk_.addTranslation(line);
    return mode_ == Mode::TranslationOnly ? Step::Stop : Step::Next;
}

} // namespace lexscan
