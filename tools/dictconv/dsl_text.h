// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictconv {

// Stands in a card's text for "~" until the headword it is written under is known.
inline constexpr char dslTildeMark = '\x01';

// The forms an ABBYY Lingvo DSL headword line stands for: an optional part in parentheses
// gives the forms with and without it ("colo(u)r"), a part in braces is left out ("{to }go"),
// a backslash takes the next character as it is. Blanks are trimmed and runs made one.
std::vector<std::string> dslHeadwordForms(std::string_view line);

// One line of a card as plain text: markup tags removed ("[s]" media with what it holds),
// "{{...}}" comments dropped (`inComment` carries one that goes on to the next line), "<<" and
// ">>" of references dropped, escapes resolved, "~" made dslTildeMark, blanks trimmed.
// Tags the format does not know are removed too and counted in `unknownTags`.
std::string dslLineText(std::string_view line, bool& inComment, std::uint64_t& unknownTags);

// The text with every dslTildeMark made `headword`.
std::string withHeadword(std::string_view text, std::string_view headword);

} // namespace dictconv
