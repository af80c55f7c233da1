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

enum class Utf8Scan { Ascii, Valid, Invalid };

// Ascii when every byte is below 0x80, Valid when every byte belongs to a well-formed UTF-8
// sequence, Invalid otherwise.
Utf8Scan scanUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) {
    return scanUtf8(text) != Utf8Scan::Invalid;
}

// Windows-1252 text as UTF-8; the five bytes the code page leaves undefined keep the C1
// control of the same value.
std::string windows1252ToUtf8(std::string_view text);

// The Windows-1252 byte of a character, or -1 when the code page has none. The five bytes
// it leaves undefined stand for the C1 controls of the same value.
int windows1252Byte(char32_t c);

// True for the five bytes Windows-1252 leaves undefined.
inline bool isUndefinedIn1252(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace dictconv
