// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many characters a query word holds. A dictionary is UTF-8 or a single-byte code page, and
// the query word comes in the dictionary's own encoding: valid UTF-8 counts code points, anything
// else counts bytes, one character each.

#include <cstddef>
#include <string_view>

namespace lexscan {

// The length of a valid UTF-8 sequence starting at text[at], or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

std::size_t characterCount(std::string_view text);

} // namespace lexscan
