// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace lexscan {
namespace {

using testing::ask;
using testing::RecordingSink;

std::string headword(std::size_t index) {
    char text[16];
    std::snprintf(text, sizeof text, "HA%06zu", index);
    return text;
}

// Records HA000000 / t, HA000001 / t, ...: every headword begins with the root HA.
std::string neighbours(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += headword(i) + "\nt\n";
    return text;
}

// The result lines of headwords first to last - 1.
std::string resultLines(std::size_t first, std::size_t last) {
    std::string text;
    for (std::size_t i = first; i < last; ++i)
        text += headword(i) + "\r\n";
    return text;
}

struct ChunkCase {
    const char* name;
    std::string dictionary;
    Request request;
    std::vector<RecordingSink::Chunk> expected;
};

TEST(ScanChunks, ChunkLimitAndWhatFollowsIt) {
    const std::size_t limit = chunkLimit;
    const std::vector<ChunkCase> cases = {
        {"exactly_limit",
         neighbours(limit),
         ask("HAUS", "HA", "3"),
         {{32000, resultLines(0, limit)}, {0, ""}}},
        {"limit_plus_one",
         neighbours(limit + 1),
         ask("HAUS", "HA", "3"),
         {{32000, resultLines(0, limit)}, {1, resultLines(limit, limit + 1)}}},
        {"wl_after_full_chunk",
         neighbours(limit) + "XHAUS\nw\n",
         ask("HAUS", "HA", "3"),
         {{32000, resultLines(0, limit)}, {0, "XHAUS\r\n"}}},
        {"pt_of_last_nl_opens_next_chunk",
         neighbours(limit + 1),
         ask(headword(limit - 1), "HA", "3"),
         {{32000, resultLines(0, limit)}, {1, "=t\r\n" + resultLines(limit, limit + 1)}}},
        {"pt_before_limit_stays",
         neighbours(limit + 1),
         ask(headword(limit - 2), "HA", "1"),
         {{32000, resultLines(0, limit - 1) + "=t\r\n" + resultLines(limit - 1, limit)},
          {1, resultLines(limit, limit + 1)}}},
        {"star_three_chunks",
         neighbours(2 * limit + 1),
         ask("*", "*", "1"),
         {{32000, resultLines(0, limit)},
          {32000, resultLines(limit, 2 * limit)},
          {1, resultLines(2 * limit, 2 * limit + 1)}}},
        {"mode2_counts_no_nl",
         neighbours(limit + 1) + "XHAUS\nw\n",
         ask("HAUS", "HA", "2"),
         {{0, "XHAUS\r\n"}}},
        {"mode0_never_splits",
         neighbours(limit + 1),
         ask(headword(limit), "HA", "0"),
         {{0, "=t\r\n"}}},
    };
    for (const ChunkCase& c : cases) {
        for (std::size_t block : {std::size_t{7}, LineReader::defaultBlockSize}) {
            SCOPED_TRACE(::testing::Message() << c.name << " block " << block);
            MemorySource source(c.dictionary);
            LineReader reader(source, block);
            RecordingSink sink;
            EXPECT_EQ(scanLines(reader, c.request, sink), ScanStatus::Completed);
            ASSERT_EQ(sink.chunks.size(), c.expected.size());
            for (std::size_t i = 0; i < c.expected.size(); ++i) {
                EXPECT_EQ(sink.chunks[i].neighbours, c.expected[i].neighbours) << "chunk " << i;
                EXPECT_EQ(sink.chunks[i].lines, c.expected[i].lines) << "chunk " << i;
            }
        }
    }
}

TEST(ScanChunks, StopsAtTheFirstRefusedChunk) {
    const std::string dictionary = neighbours(2 * chunkLimit + 1); // three chunks
    const struct {
        std::size_t refuse;
        ScanStatus status;
        std::size_t offers;
    } cases[] = {
        {0, ScanStatus::SinkFailed, 1},
        {1, ScanStatus::SinkFailed, 2},
        {2, ScanStatus::SinkFailed, 3},
        {3, ScanStatus::Completed, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "refuse chunk " << c.refuse);
        MemorySource source(dictionary);
        LineReader reader(source);
        RecordingSink sink(c.refuse);
        EXPECT_EQ(scanLines(reader, ask("*", "*", "3"), sink), c.status);
        EXPECT_EQ(sink.offers, c.offers);
    }
}

} // namespace
} // namespace lexscan
