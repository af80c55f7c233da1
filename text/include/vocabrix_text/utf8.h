// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 sequences checked byte by byte: overlong forms, surrogates and code points past U+10FFFF
// are not UTF-8. Dictionaries are UTF-8 or a single-byte code page; where bytes are not valid
// UTF-8 every byte counts as one character.

#include <cstddef>
#include <string_view>

namespace vocabrix::text {

// What starts at text[at] (at < text.size()): the length of a valid sequence (1 to 4), 0 when
// none starts there, or cutShort when a valid start is cut off by the end of the text.
inline constexpr int cutShort = -1;
int utf8Sequence(std::string_view text, std::size_t at);

// The same with a sequence cut off by the end counted as invalid: the length or 0.
inline std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const int length = utf8Sequence(text, at);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// Code points when the whole text is valid UTF-8, otherwise its bytes.
std::size_t characterCount(std::string_view text);

} // namespace vocabrix::text
