// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's upper case must agree with the program's (QChar::toUpper) on every code
// point, or converted headwords would not match queries.
#include "upper_case.h"
#include "utf8.h"

#include <QChar>

#include <gtest/gtest.h>

namespace {

TEST(UpperCaseQt, AgreesWithQCharOnEveryCodePoint) {
    int differences = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string text;
        dictconv::appendUtf8(text, c);
        std::string expected;
        dictconv::appendUtf8(expected, QChar::toUpper(c));
        if (dictconv::toUpperUtf8(text) != expected && ++differences <= 10) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c)
                          << " (run dictconv_upper_table_gen again)";
        }
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
