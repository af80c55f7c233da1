// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/line_ends.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vocabrix::text {
namespace {

std::vector<std::uint32_t> expectedEnds(const std::string& bytes) {
    std::vector<std::uint32_t> ends;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') ends.push_back(static_cast<std::uint32_t>(i));
    return ends;
}

// Inputs around the 64-byte block: every length up to 200, LFs at every place, in runs, none.
std::vector<std::string> inputs() {
    std::vector<std::string> result;
    for (std::size_t length = 0; length <= 200; ++length) {
        result.emplace_back(length, 'x');
        result.emplace_back(length, '\n');
        for (std::size_t at = 0; at < length; at += 7) {
            std::string one(length, 'y');
            one[at] = '\n';
            result.push_back(one);
        }
    }
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 1000)(random), 'z');
        const std::size_t gap = std::uniform_int_distribution<std::size_t>(1, 70)(random);
        for (char& c : text)
            if (random() % gap == 0) c = (random() % 3 == 0) ? '\r' : '\n';
        result.push_back(text);
    }
    return result;
}

TEST(LineEnds, EveryFinderFindsEveryLf) {
    NamedLineEndFinder finders[vocabrix::text::pathCount];
    const std::size_t count = availableLineEndFinders(finders);
    ASSERT_GE(count, 1u);
    for (const std::string& input : inputs()) {
        const std::vector<std::uint32_t> expected = expectedEnds(input);
        for (std::size_t f = 0; f < count; ++f) {
            std::vector<std::uint32_t> ends(input.size() + lineEndsSlack, 0xdeadbeef);
            ends.resize(finders[f].find(input.data(), input.size(), ends.data()));
            ASSERT_EQ(ends, expected) << finders[f].name << " on " << input.size() << " bytes";
        }
    }
}

} // namespace
} // namespace vocabrix::text
