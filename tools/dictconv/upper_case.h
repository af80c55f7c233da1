// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// The simple upper case of one code point, as the program upper-cases its queries
// (QChar::toUpper): one character to one, so ß and the ligatures stay as they are.
char32_t upperOf(char32_t c);

// Upper-cases UTF-8 text one character to one; the byte length may change, the number of
// characters never does. Bytes that are not valid UTF-8 are copied unchanged.
std::string toUpperUtf8(std::string_view text);

// toUpperUtf8(text).starts_with(upperPrefix), upper-casing no further than the prefix needs.
bool upperStartsWith(std::string_view text, std::string_view upperPrefix);

} // namespace dictconv
