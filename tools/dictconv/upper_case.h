#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// Upper-cases UTF-8 text as the program upper-cases its queries: every letter by the Unicode
// case tables, and ß and the Latin ligatures into several letters ("straße" -> "STRASSE").
// Bytes that are not valid UTF-8 are copied unchanged.
std::string toUpperUtf8(std::string_view text);

} // namespace dictconv
