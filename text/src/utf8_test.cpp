// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace vocabrix::text {
namespace {

struct SequenceCase {
    const char* name;
    std::string bytes;
    int length; // of the sequence at 0
};

// The edges of each lead byte's second-byte range, and a start cut off by the end, which only
// a check that reads on (a sample cut from a file) may take for a character.
const SequenceCase sequenceCases[] = {
    {"ascii", "A", 1},
    {"two_bytes", "\xC3\xA4", 2},
    {"overlong_two", "\xC1\xBF", 0},
    {"three_bytes", "\xE2\x82\xAC", 3},
    {"overlong_three", "\xE0\x9F\xBF", 0},
    {"lowest_three_after_E0", "\xE0\xA0\x80", 3},
    {"surrogate", "\xED\xA0\x80", 0},
    {"below_surrogates", "\xED\x9F\xBF", 3},
    {"four_bytes", "\xF0\x9F\x98\x80", 4},
    {"overlong_four", "\xF0\x8F\xBF\xBF", 0},
    {"past_10FFFF", "\xF4\x90\x80\x80", 0},
    {"lead_F5", "\xF5\x80\x80\x80", 0},
    {"lone_continuation", "\x80", 0},
    {"bad_third_byte", "\xE2\x82\x41", 0},
    {"cut_after_lead", "\xE2", cutShort},
    {"cut_after_second", "\xF0\x9F\x98", cutShort},
    {"bad_second_then_cut", "\xE0\x80", 0},
};

TEST(Utf8, SequenceAtTheStart) {
    for (const SequenceCase& c : sequenceCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8Sequence(c.bytes, 0), c.length);
        EXPECT_EQ(utf8SequenceLength(c.bytes, 0), static_cast<std::size_t>(std::max(c.length, 0)));
    }
}

TEST(Utf8, CharacterCountFallsBackToBytes) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("STRA\xC3\x9F"
                             "E"),
              6u);
    EXPECT_EQ(characterCount("\xE2\x82\xAC\xF0\x9F\x98\x80"), 2u);
    EXPECT_EQ(characterCount("CAF\xC9"), 4u);   // Windows-1252, one byte a character
    EXPECT_EQ(characterCount("A\xE2\x82"), 3u); // cut off: bytes
}

} // namespace
} // namespace vocabrix::text
