// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan_harness.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace lexscan {
namespace {

using namespace std::string_literals;
using testing::ask;
using testing::RecordingSink;
using testing::scanBytes;

TEST(ScanBadInput, OddShapesGiveDefinedResults) {
    const struct {
        const char* name;
        std::string dictionary;
        Request request;
        std::string expected;
    } cases[] = {
        {"empty_mode0", "", ask("HOUSE", "HO", "0"), "*0\r\n"},
        {"empty_mode1", "", ask("HOUSE", "HO", "1"), "*0\r\n"},
        {"empty_mode3", "", ask("HOUSE", "HO", "3"), "*0\r\n"},
        {"empty_star", "", ask("*", "*", "1"), "*0\r\n"},
        {"no_line_end_exact", "HOUSE", ask("HOUSE", "HO", "3"), "*1\r\nHOUSE\r\n=\r\n"},
        {"no_line_end_other", "HOUSEBOAT", ask("HOUSE", "HO", "3"), "*1\r\nHOUSEBOAT\r\n"},
        {"only_line_ends", "\n\n\n", ask("*", "*", "3"), "*2\r\n\r\n\r\n"},
        {"only_crs", "\r\r\r", ask("*", "*", "3"), "*1\r\n\r\r\r\r\n"},
        {"only_crlfs", "\r\n\r\n\r\n", ask("", "", "3"), "*2\r\n\r\n=\r\n\r\n=\r\n"},
        {"nul_query", "A\0\nx\nA\ny\n"s, ask("A\0"s, "A"s, "3"), "*2\r\nA\0\r\n=x\r\nA\r\n"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::ScanRun run = scanBytes(c.dictionary, c.request, 3);
        EXPECT_EQ(run.status, ScanStatus::Completed);
        EXPECT_EQ(run.text, c.expected);
    }
}

// Random bytes rich in line ends, CRs, NULs and the query's letters.
std::string randomDictionary(std::size_t size) {
    std::mt19937 random(20240611);
    const std::string alphabet = "\n\n\n\r\0HOUSEHOUSE*= xyz\xff"s;
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(size, ' ');
    for (char& c : text)
        c = alphabet[pick(random)];
    return text;
}

TEST(ScanBadInput, RandomBytesSameResultAtEveryBlockSize) {
    const std::string dictionary = randomDictionary(200'000);
    const Request requests[] = {ask("HOUSE", "HO", "3"), ask("HOUSE", "HO", "1"),
                                ask("HO", "H", "2"),     ask("H", "H", "0"),
                                ask("*", "*", "1"),      ask("", "", "")};
    for (const Request& request : requests) {
        const testing::ScanRun reference = scanBytes(dictionary, request);
        ASSERT_EQ(reference.status, ScanStatus::Completed);
        for (std::size_t block : {1, 2, 3, 5, 7}) {
            SCOPED_TRACE(::testing::Message() << request.query << "/" << request.root << "/"
                                              << request.mode << " block " << block);
            const testing::ScanRun run = scanBytes(dictionary, request, block, 3);
            EXPECT_EQ(run.status, ScanStatus::Completed);
            EXPECT_EQ(run.text, reference.text);
        }
    }
}

TEST(ScanBadInput, HundredMegabyteLine) {
    testing::TempFolder folder;
    const std::string path = folder.file("one_line.txt");
    const std::size_t length = 100'000'000;
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string block(1 << 20, 'x');
        std::fputs("HA", file);
        for (std::size_t written = 2; written < length; written += block.size())
            std::fwrite(block.data(), 1, std::min(block.size(), length - written), file);
        ASSERT_EQ(std::fclose(file), 0);
    }
    const struct {
        Request request;
        std::vector<std::uint32_t> neighbours;
        std::size_t linesSize;
    } cases[] = {
        {ask("HAUS", "HA", "3"), {1}, length + 2},
        {ask("HAUS", "HA", "0"), {0}, 0},
        {ask("XY", "X", "2"), {0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.mode);
        Request request = c.request;
        request.dictionaryPath = path;
        RecordingSink sink;
        EXPECT_EQ(scanDictionary(request, sink), ScanStatus::Completed);
        ASSERT_EQ(sink.chunks.size(), c.neighbours.size());
        EXPECT_EQ(sink.chunks[0].neighbours, c.neighbours[0]);
        EXPECT_EQ(sink.chunks[0].lines.size(), c.linesSize);
    }
}

TEST(ScanBadInput, ReadErrorHandsOverNoFinalChunk) {
    std::string full;
    for (std::uint32_t i = 0; i <= chunkLimit; ++i)
        full += "HA\nt\n";
    const struct {
        const char* name;
        std::string bytes;
        std::size_t chunks;
    } cases[] = {
        {"at_once", "", 0},
        {"inside_a_line", "HA\nt\nHA\nt\nH", 0},
        {"after_a_full_chunk", full, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::FailingSource source(c.bytes);
        LineReader reader(source, 5);
        RecordingSink sink;
        EXPECT_EQ(scanLines(reader, ask("HAUS", "HA", "3"), sink),
                  ScanStatus::DictionaryUnreadable);
        EXPECT_EQ(sink.offers, c.chunks);
    }
}

TEST(ScanBadInput, DictionaryThatDoesNotOpen) {
    testing::TempFolder folder;
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {""s, folder.file("missing.txt"), folder.path(), fifo,
                                    "/dev/zero"s, folder.file("missing/inside.txt")}) {
        SCOPED_TRACE(path);
        RecordingSink sink;
        EXPECT_EQ(scanDictionary({path, "HOUSE", "HO", "3"}, sink),
                  ScanStatus::DictionaryUnreadable);
        EXPECT_EQ(sink.offers, 0u);
    }
}

TEST(ScanBadInput, DictionaryWithoutReadPermission) {
    testing::TempFolder folder;
    const std::string path = folder.file("locked.txt");
    testing::writeFile(path, "HOUSE\nCASA\n");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const std::optional<int> held = testing::runUnprivileged([&] {
        RecordingSink sink;
        return scanDictionary({path, "HOUSE", "HO", "3"}, sink) ==
                   ScanStatus::DictionaryUnreadable &&
               sink.offers == 0;
    });
    if (!held) GTEST_SKIP() << "cannot run a child without root's right to read every file";
    EXPECT_EQ(*held, 1);
}

} // namespace
} // namespace lexscan
