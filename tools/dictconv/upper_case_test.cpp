// SPDX-License-Identifier: GPL-3.0-or-later
#include "upper_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct UpperCase {
    const char* text;
    const char* expected;
};

TEST(UpperCase, MapsOneCharacterToOne) {
    const UpperCase cases[] = {
        {"", ""},
        {"house 12-b", "HOUSE 12-B"},
        {"HOUSE", "HOUSE"},
        {"città", "CITTÀ"},
        {"CITTÀ", "CITTÀ"},
        {"perché", "PERCHÉ"},
        {"straße", "STRAßE"},
        {"ẞ", "ẞ"},
        {"ﬁn", "ﬁN"},
        {"µ", "Μ"},
        {"ǆ ǅ", "Ǆ Ǆ"},
        {"ᾳ", "ᾳ"}, // its upper case is two letters
        {"übel öl", "ÜBEL ÖL"},
        {"ÿ", "Ÿ"},
        {"αβγ жизнь", "ΑΒΓ ЖИЗНЬ"},
        {"/ˈaː/", "/ˈAː/"},
        {"a\xFF"
         "b",
         "A\xFF"
         "B"},                              // stray byte kept
        {"\xC3", "\xC3"},                   // cut-off sequence kept
        {"\xC0\xA1z", "\xC0\xA1Z"},         // overlong form kept as bytes
        {"\xED\xA0\x80x", "\xED\xA0\x80X"}, // surrogate kept as bytes
    };
    for (const UpperCase& c : cases) {
        EXPECT_EQ(dictconv::toUpperUtf8(c.text), c.expected) << c.text;
        // The prefix test stops early: every prefix of the upper case, and nothing longer or
        // different, is found, also when it ends inside a character.
        const std::string upper = c.expected;
        for (std::size_t size = 0; size <= upper.size(); ++size)
            EXPECT_TRUE(dictconv::upperStartsWith(c.text, upper.substr(0, size))) << c.text;
        EXPECT_FALSE(dictconv::upperStartsWith(c.text, upper + "A")) << c.text;
        if (!upper.empty()) {
            std::string wrong = upper;
            wrong.back() = static_cast<char>(wrong.back() ^ 1);
            EXPECT_FALSE(dictconv::upperStartsWith(c.text, wrong)) << c.text;
        }
    }
}

} // namespace
