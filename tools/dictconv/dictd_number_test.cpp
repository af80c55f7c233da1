// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_number.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char* digits;
    std::optional<std::uint64_t> expected;
};

TEST(DictdNumber, DecodesBase64DigitsMostSignificantFirst) {
    const NumberCase cases[] = {
        {"A", 0},
        {"Z", 25},
        {"a", 26},
        {"z", 51},
        {"0", 52},
        {"9", 61},
        {"+", 62},
        {"/", 63},
        {"BA", 64},
        {"CGJ", 2 * 4096 + 6 * 64 + 9},
        {"AAAB", 1},
        {"///////////", std::nullopt}, // 66 bits
        {"P//////////", 0xFFFFFFFFFFFFFFFFull},
        {"", std::nullopt},
        {"A=", std::nullopt},
        {"A B", std::nullopt},
        {"-1", std::nullopt},
        {"\xC3\xA0", std::nullopt},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(dictconv::decodeDictdNumber(c.digits), c.expected) << '"' << c.digits << '"';
    }
}

} // namespace
