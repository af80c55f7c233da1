// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the next place where a literal occurs in a block of whole lines, and counts the line
// ends passed on the way, in one pass: the scan looks only at the lines that hold the literal
// and keeps the pairing of headword and translation lines from the count.

#include "vocabrix_text/vector_paths.h"

#include <cstddef>
#include <string_view>

namespace lexscan {

struct Candidate {
    static constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t at;       // where needle occurs first in text[from, size), or none
    std::size_t lineEnds; // LFs in text[from, at), or in text[from, size) when none
};

// needle must not be empty. The versions agree on every input; they differ in speed.
using CandidateFinder = Candidate (*)(std::string_view text, std::size_t from,
                                      std::string_view needle);

// The fastest finder this processor runs.
CandidateFinder candidateFinder();

// Each finder this processor runs, named, for tests and fuzzing that compare them.
using NamedCandidateFinder = vocabrix::text::NamedPath<CandidateFinder>;
std::size_t availableCandidateFinders(NamedCandidateFinder (&finders)[vocabrix::text::pathCount]);

} // namespace lexscan
