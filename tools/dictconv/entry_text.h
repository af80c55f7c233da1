// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// The headword of an index line as the dictionary holds it: CR and LF removed, NUL bytes
// made blanks, blanks trimmed, upper-cased.
std::string cleanHeadword(std::string_view raw);

// False for cleaned headwords the dictionary must not hold: empty ones, those starting with a
// character the exchange file reserves (lexscan::isReservedFirstCharacter), and dictd's own
// metadata entries.
bool isWantedHeadword(std::string_view headword);

// The translation of one dictd entry on one line. The entry's first line is dropped when it
// begins with the headword (it repeats it, often with pronunciation); the other non-empty
// lines are trimmed and joined with "; ". Tabs and stray CRs become blanks.
std::string entryTranslation(std::string_view body, std::string_view upperHeadword);

// Text of several lines on one: the non-empty lines trimmed and joined with "; ". Tabs, stray
// CRs and NUL bytes become blanks.
std::string joinLines(std::string_view body);

} // namespace dictconv
