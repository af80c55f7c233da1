// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dictconv {

// Decodes one well-formed UTF-8 sequence at the start of text (no overlong forms, no
// surrogates, nothing past U+10FFFF) and stores its length in size.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& size);

void appendUtf8(std::string& out, char32_t c);

// True when every byte belongs to a well-formed UTF-8 sequence.
bool isValidUtf8(std::string_view text);

// Windows-1252 text as UTF-8; the five bytes the code page leaves undefined keep the C1
// control of the same value.
std::string windows1252ToUtf8(std::string_view text);

} // namespace dictconv
