// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "line_reader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dictconv {

// What one reading of a text tells about its line ends and its encoding. Lines are split at
// LF, CR LF and CR alone alike, which in a file that does not mix them are its lines; a CR
// alone before the line's first tab is text, not a line end.
struct TextSurvey {
    char lineEnd = '\n';         // CR for a file whose lines end in CR alone
    std::uint64_t mixedLine = 0; // the first line whose end differs from those before, or 0
    std::uint64_t nonAscii = 0;  // lines with bytes beyond ASCII
    std::uint64_t notUtf8 = 0;   // ... of which are not UTF-8
    std::vector<std::uint64_t> firstNotUtf8; // the numbers of the first few of those
};

// Reads the source to its end (or to the first mixed line end). A line of longestLine bytes
// or more is a ConvertError naming `name` and the line.
TextSurvey surveyText(ByteSource& source, const std::string& name);

} // namespace dictconv
