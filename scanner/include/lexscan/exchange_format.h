// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exchange file's format, one definition for both sides: the program writes the request and
// reads the results back, the scanner reads the request and appends the results.
//
//   line 1      the dictionary's path
//   line 2      the query word; everyHeadword asks for every headword
//   line 3      the root
//   line 4      the mode, one digit
//   line 5 on   result chunks: a chunk header (chunkHeaderMark and the chunk's NL count in
//               decimal), then NL and WL lines (headwords as the dictionary holds them) and
//               PT lines (translationMark and a translation line)
//
// Plain C++: the scanner uses no Qt.

#include <cstdint>
#include <string_view>

namespace lexscan {

// Lines 1 to 4 hold the request; line 5 is the first chunk header.
inline constexpr int requestLineCount = 4;

// Both sides end every line they write so; readers also take a bare LF.
inline constexpr std::string_view lineEnd = "\r\n";

// Request line 4: which lists the scanner computes. The translation is looked for in every mode.
enum class Mode : char {
    TranslationOnly = '0',        // PT only, stops after the first exact match
    Neighbours = '1',             // NL, stops after the block of NL headwords
    Whereinto = '2',              // WL
    NeighboursAndWhereinto = '3', // NL and WL
};

// The mode a request line asks for; any text but the four digits counts as NL and WL.
constexpr Mode modeFromText(std::string_view text) {
    for (const Mode mode : {Mode::TranslationOnly, Mode::Neighbours, Mode::Whereinto})
        if (text.size() == 1 && text[0] == static_cast<char>(mode)) return mode;
    return Mode::NeighboursAndWhereinto;
}

// The query word, and its root, that ask for every headword.
inline constexpr std::string_view everyHeadword = "*";

// The first characters that give a result line its kind.
inline constexpr char chunkHeaderMark = '*'; // a chunk header
inline constexpr char translationMark = '='; // a PT line: the translation follows
inline constexpr char ignoredMark = '_';     // a line the readers skip

// A headword that begins with one of the marks cannot be told from the format's own lines.
constexpr bool isReservedFirstCharacter(char c) {
    return c == chunkHeaderMark || c == translationMark || c == ignoredMark;
}

// NL lines in every chunk but the last, which holds up to as many; also the size of an NL page.
inline constexpr std::uint32_t chunkLimit = 32000;

} // namespace lexscan
