// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_text.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    std::string_view input;
    const char* expected;
};

TEST(EntryText, CleansHeadwords) {
    const TextCase cases[] = {
        {"casa", "CASA"}, {"  die suppe\t", "DIE SUPPE"}, {"ca\r\nsa\r", "CASA"},
        {" \t ", ""},     {"straße", "STRAßE"},           {std::string_view("ca\0sa", 5), "CA SA"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(dictconv::cleanHeadword(c.input), c.expected);
}

TEST(EntryText, SkipsReservedAndMetadataHeadwords) {
    const std::pair<const char*, bool> cases[] = {
        {"CASA", true},
        {"", false},
        {"*STAR", false},
        {"=EQ", false},
        {"_UNDER", false},
        {"A*B", true},
        {"00DATABASEINFO", false},
        {"00-DATABASE-SHORT", false},
        {"00DATABASE", false},
        {"00 DATABASE", true},
        {"007", true},
    };
    for (const auto& [headword, wanted] : cases) {
        EXPECT_EQ(dictconv::isWantedHeadword(headword), wanted) << headword;
    }
}

struct TranslationCase {
    std::string_view body;
    const char* headword;
    const char* expected;
};

TEST(EntryText, JoinsTheTranslationOntoOneLine) {
    const TranslationCase cases[] = {
        {"casa /ˈkaza/\nhouse, home\n", "CASA", "house, home"},
        {"Città /tʃitːˈa/\ncity, town\n", "CITTÀ", "city, town"},
        {"Straße <n>\nstreet\n", "STRAßE", "street"},
        {"a /a/\n1. at, to\n  2. in  \n\n3. beside\n", "A", "1. at, to; 2. in; 3. beside"},
        {"all'estero /x/\nabroad\n", "ALLESTERO", "all'estero /x/; abroad"},
        {"\n  casa\nhouse", "CASA", "house"},
        {"casa\r\nhouse\r\nhome\r\n", "CASA", "house; home"},
        {"casa\nhouse\tand\rhome\n", "CASA", "house and home"},
        {"casa\n", "CASA", ""},
        {"", "CASA", ""},
        {"house\nbuilding\n", "CASA", "house; building"},
        // A NUL byte would break the output file for readers that stop at it.
        {std::string_view("casa\nhouse\0home\n", 16), "CASA", "house home"},
    };
    for (const TranslationCase& c : cases) {
        EXPECT_EQ(dictconv::entryTranslation(c.body, c.headword), c.expected) << c.body;
    }
}

} // namespace
