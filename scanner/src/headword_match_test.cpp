// SPDX-License-Identifier: GPL-3.0-or-later
#include "headword_match.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lexscan {
namespace {

// Texts of every length up to 40 over a tiny alphabet, so that near misses abound; each text
// sits at the start of a padded buffer as a line from the reader does. The result must agree
// with std::string_view::find for every part.
TEST(HeadwordMatch, ContainsAgreesWithFind) {
    std::mt19937 random(11);
    const char alphabet[] = {'A', 'B', 'H', '\0'};
    auto randomText = [&](std::size_t length) {
        std::string text(length, 'A');
        for (char& c : text)
            c = alphabet[random() % sizeof alphabet];
        return text;
    };
    for (std::size_t length = 0; length <= 40; ++length) {
        for (int trial = 0; trial < 40; ++trial) {
            std::string buffer = randomText(length) + std::string(64, 'H');
            const std::string_view text(buffer.data(), length);
            for (std::size_t partLength = 0; partLength <= 6; ++partLength) {
                const std::string part = randomText(partLength);
                ASSERT_EQ(containsReadingPast(text, part), text.find(part) != std::string::npos)
                    << "text of " << length << " bytes, part of " << partLength;
            }
            if (length > 0) {
                const std::string part(text.substr(length / 2));
                ASSERT_TRUE(containsReadingPast(text, part));
            }
        }
    }
}

} // namespace
} // namespace lexscan
