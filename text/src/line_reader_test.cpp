// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vocabrix::text {
namespace {

using namespace std::string_literals;

struct SplitCase {
    const char* name;
    std::string input;
    std::vector<std::string> lines;
};

const std::vector<SplitCase>& splitCases() {
    static const std::vector<SplitCase> cases = {
        {"empty", "", {}},
        {"one_line_end", "\n", {""}},
        {"two_empty_lines", "\n\n", {"", ""}},
        {"no_line_end", "abc", {"abc"}},
        {"final_line_end", "abc\n", {"abc"}},
        {"last_line_open", "ab\ncd", {"ab", "cd"}},
        {"crlf", "ab\r\ncd\r\n", {"ab", "cd"}},
        {"crlf_only", "\r\n", {""}},
        {"cr_at_end_stays", "ab\r", {"ab\r"}},
        {"lone_cr_stays", "a\rb\n", {"a\rb"}},
        {"only_last_cr_dropped", "a\r\r\n", {"a\r"}},
        {"mixed", "a\n\r\nb\rc\r\nd", {"a", "", "b\rc", "d"}},
        {"nul_bytes", "a\0b\n\0\n"s, {"a\0b"s, "\0"s}},
        {"long_lines",
         std::string(50, 'x') + "\n" + std::string(23, 'y') + "\r\n",
         {std::string(50, 'x'), std::string(23, 'y')}},
    };
    return cases;
}

// Block sizes from 1 byte up catch lines and CR LF pairs split at every boundary.
const std::size_t blockSizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 64, LineReader::defaultBlockSize};
const std::size_t readLimits[] = {1, 2, 3, static_cast<std::size_t>(-1)};

TEST(LineReader, SplitsAtEveryBlockAndReadSize) {
    for (const SplitCase& c : splitCases()) {
        for (std::size_t block : blockSizes) {
            for (std::size_t limit : readLimits) {
                SCOPED_TRACE(::testing::Message()
                             << c.name << " block " << block << " read " << limit);
                MemorySource source(c.input, limit);
                LineReader reader(source, block);
                std::vector<std::string> lines;
                std::string_view line;
                while (reader.next(line))
                    lines.emplace_back(line);
                EXPECT_EQ(lines, c.lines);
                EXPECT_FALSE(reader.next(line));
                EXPECT_FALSE(reader.failed());
            }
        }
    }
}

// Also the position: the source offset where the next line starts, through compaction and skips.
TEST(LineReader, SkipAlternatingWithNextKeepsThePairing) {
    for (const SplitCase& c : splitCases()) {
        for (std::size_t block : blockSizes) {
            for (bool skipFirst : {false, true}) {
                SCOPED_TRACE(::testing::Message()
                             << c.name << " block " << block << " skipFirst " << skipFirst);
                MemorySource source(c.input, 3);
                LineReader reader(source, block);
                std::vector<std::string> kept;
                std::vector<std::string> expected;
                std::size_t index = 0;
                std::size_t after = 0;
                for (;; ++index) {
                    const bool skipping = (index % 2 == 0) == skipFirst;
                    std::string_view line;
                    if (skipping ? !reader.skip() : !reader.next(line)) break;
                    if (!skipping) kept.emplace_back(line);
                    const std::size_t lf = c.input.find('\n', after);
                    after = lf == std::string::npos ? c.input.size() : lf + 1;
                    EXPECT_EQ(reader.position(), after) << "after line " << index;
                }
                for (std::size_t i = 0; i < c.lines.size(); ++i)
                    if ((i % 2 == 0) != skipFirst) expected.push_back(c.lines[i]);
                EXPECT_EQ(index, c.lines.size());
                EXPECT_EQ(kept, expected);
            }
        }
    }
}

// Lines of every length from 0 to 300, CR LF and LF mixed, read in blocks that cut them
// anywhere: the vector paths of the line-end index meet every alignment.
TEST(LineReader, ManyLinesOfEveryLength) {
    std::string input;
    std::vector<std::string> expected;
    for (std::size_t length = 0; length <= 300; ++length) {
        expected.emplace_back(length, static_cast<char>('a' + length % 26));
        input += expected.back() + (length % 3 == 0 ? "\r\n" : "\n");
    }
    for (std::size_t block : {1, 63, 64, 65, 1000, 4096, 100000}) {
        SCOPED_TRACE(block);
        MemorySource source(input, 5000);
        LineReader reader(source, block);
        std::vector<std::string> lines;
        std::string_view line;
        while (reader.next(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, expected);
    }
}

// The dictionary tool's rules: CR line ends, or LF ones that keep a CR before them; whether the
// last line had its line end.
TEST(LineReader, OtherRulesSplitAtEveryBlockSize) {
    const struct {
        const char* name;
        char end;
        std::string input;
        std::vector<std::string> lines;
        bool lastOpen;
    } cases[] = {
        {"cr_ends", '\r', "ab\rc\r\nd\r", {"ab", "c", "\nd"}, false},
        {"cr_ends_last_open", '\r', "ab\r\n", {"ab", "\n"}, true},
        {"lf_keeps_cr", '\n', "ab\r\ncd\r\n", {"ab\r", "cd\r"}, false},
        {"lf_keeps_cr_last_open", '\n', "ab\r\ncd", {"ab\r", "cd"}, true},
    };
    for (const auto& c : cases) {
        for (std::size_t block : blockSizes) {
            SCOPED_TRACE(::testing::Message() << c.name << " block " << block);
            MemorySource source(c.input, 3);
            LineReader reader(source, block, {c.end, false, 0});
            std::vector<std::string> lines;
            std::string_view line;
            while (reader.next(line))
                lines.emplace_back(line);
            EXPECT_EQ(lines, c.lines);
            EXPECT_EQ(reader.lastLineOpen(), c.lastOpen);
        }
    }
}

TEST(LineReader, LineOverTheLimitStopsWithoutGrowingFurther) {
    for (std::size_t block : {1, 3, 8}) {
        SCOPED_TRACE(block);
        const std::string input = "abc\n" + std::string(40, 'x') + "\nlast";
        MemorySource source(input);
        LineReader reader(source, block, {'\n', true, 8});
        std::string_view line;
        ASSERT_TRUE(reader.next(line));
        EXPECT_EQ(line, "abc");
        EXPECT_FALSE(reader.tooLong());
        EXPECT_FALSE(reader.next(line));
        EXPECT_TRUE(reader.tooLong());
        EXPECT_LE(reader.capacity(), 16u);
    }
}

// Produces a line of a given length, a line end and a short last line, without holding them.
class LongLineSource : public ByteSource {
public:
    explicit LongLineSource(std::size_t length) : remaining_(length) {}
    std::ptrdiff_t read(char* data, std::size_t size) override {
        if (remaining_ > 0) {
            const std::size_t n = std::min(size, remaining_);
            std::fill_n(data, n, 'x');
            remaining_ -= n;
            return static_cast<std::ptrdiff_t>(n);
        }
        const std::size_t n = std::min(size, tail_.size());
        std::copy_n(tail_.data(), n, data);
        tail_.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    std::size_t remaining_;
    std::string_view tail_ = "\nlast";
};

TEST(LineReader, SkippedLongLineDoesNotGrowTheBuffer) {
    LongLineSource source(10'000'000);
    LineReader reader(source, 16);
    std::string_view line;
    ASSERT_TRUE(reader.skip());
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "last");
    EXPECT_EQ(reader.capacity(), 16u);
}

TEST(LineReader, LongLineReturnedWhole) {
    LongLineSource source(100'000);
    LineReader reader(source, 16);
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, std::string(100'000, 'x'));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "last");
}

TEST(LineReader, ReadErrorEndsWithoutTheBrokenLine) {
    const struct {
        const char* name;
        const char* input;
        std::vector<std::string> lines;
    } cases[] = {
        {"at_start", "", {}},
        {"after_whole_lines", "a\nb\n", {"a", "b"}},
        {"inside_a_line", "a\nbc", {"a"}},
    };
    for (const auto& c : cases) {
        for (bool skipping : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.name << " skipping " << skipping);
            FailingSource source(c.input);
            LineReader reader(source, 2);
            std::vector<std::string> lines;
            std::size_t skipped = 0;
            std::string_view line;
            if (skipping) {
                while (reader.skip())
                    ++skipped;
                EXPECT_EQ(skipped, c.lines.size());
            } else {
                while (reader.next(line))
                    lines.emplace_back(line);
                EXPECT_EQ(lines, c.lines);
            }
            EXPECT_TRUE(reader.failed());
        }
    }
}

} // namespace
} // namespace vocabrix::text
