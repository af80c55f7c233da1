// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// What the bytes of one line are, for telling the two encodings of a dictionary apart.
enum class TextKind {
    Ascii,     // fits both encodings
    Utf8,      // valid UTF-8 with characters beyond ASCII
    Cp1252,    // not UTF-8, every byte defined in Windows-1252
    Undefined, // not UTF-8, and holds a byte Windows-1252 leaves undefined
};

TextKind textKind(std::string_view text);

// The program's guess for a whole file from its first 64 KiB: UTF-8 when the sample is valid
// UTF-8 (a sequence cut off by the sample's end allowed when the file is longer).
bool guessUtf8(std::string_view sample, bool fileIsLonger);

// A headword as upper case as the program makes its queries: one character to one; in a
// Windows-1252 file a character whose upper case the code page cannot hold stays.
std::string upperCased(std::string_view text, bool utf8);

// True when upperCased would leave the text as it is.
bool isUpperCase(std::string_view text, bool utf8);

} // namespace dictconv
