// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include <gtest/gtest.h>

namespace {

using dictconv::Record;

TEST(Records, SortsByBytesAndMergesInOriginalOrder) {
    const std::vector<Record> input = {
        {"ÖL", "oil"},    {"ZEBRA", "zebra"}, {"CASA", "house"}, {"CAS", "case"},
        {"CASA", "home"}, {"CASA", ""},       {"ABC", "abc"},    {"CASA", "house"},
        {"NIENTE", ""},   {"OL", "ol"},       {"CASA", "hut"},
    };
    const std::vector<Record> expected = {
        {"ABC", "abc"}, {"CAS", "case"}, {"CASA", "house | home | hut"},
        {"NIENTE", ""}, {"OL", "ol"},    {"ZEBRA", "zebra"},
        {"ÖL", "oil"}, // UTF-8 bytes sort after ASCII
    };
    EXPECT_EQ(dictconv::sortAndMerge(input), expected);
}

TEST(Records, MergeStartsFromTheFirstNonEmptyTranslation) {
    const std::vector<Record> input = {{"X", ""}, {"X", ""}, {"X", "one"}, {"X", "two"}};
    EXPECT_EQ(dictconv::sortAndMerge(input), (std::vector<Record>{{"X", "one | two"}}));
    EXPECT_TRUE(dictconv::sortAndMerge({}).empty());
}

} // namespace
