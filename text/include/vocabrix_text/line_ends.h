// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds every LF in a run of bytes at once, so the line reader pays per block, not per line.

#include "vocabrix_text/vector_paths.h"

#include <cstddef>
#include <cstdint>

namespace vocabrix::text {

// Writes the offset of every LF in bytes[0, size) to ends, in order, and returns their count.
// ends must hold size + lineEndsSlack entries: the vector versions write a few entries past
// the count. size must be below 2^32.
using LineEndFinder = std::size_t (*)(const char* bytes, std::size_t size, std::uint32_t* ends);

inline constexpr std::size_t lineEndsSlack = 4;

// The fastest finder this processor runs.
LineEndFinder lineEndFinder();

// Each finder this processor runs, named, for tests that compare them.
using NamedLineEndFinder = NamedPath<LineEndFinder>;
std::size_t availableLineEndFinders(NamedLineEndFinder (&finders)[pathCount]);

} // namespace vocabrix::text
