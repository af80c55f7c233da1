// SPDX-License-Identifier: GPL-3.0-or-later
// The block scan against its blocks: whatever the reader's block cuts, and with each vector path,
// it gives the results of the plain line-by-line scan.
#include "scan_harness.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lexscan {
namespace {

using testing::ask;
using testing::scanBytes;

struct BlockCase {
    const char* name;
    std::string dictionary;
    Request request;
    std::string expected;
};

const std::string longA(70, 'A');
const std::string longT(70, 't');

// Lines longer than a vector block, so that block sizes from 1 up cut each root, CR LF and
// record at every byte, and the vector paths run inside the lines.
const BlockCase blockCases[] = {
    {"root_cut", longA + "HAUS\nt1\nHAUSBOOT\nt2\n" + longA + "\nHAUS\n", ask("HAUS", "HA", "3"),
     "*1\r\n" + longA + "HAUS\r\nHAUSBOOT\r\n"},
    {"crlf_cut", "HAUS\r\ndas Haus\r\n" + longA + "\r\nx\r\nHAUSE\r\ny\r\n", ask("HAUS", "HA", "3"),
     "*2\r\nHAUS\r\n=das Haus\r\nHAUSE\r\n"},
    {"partner_in_next_block", longA + "\nb\nHAUS\n" + longT + "\nC\nc\n", ask("HAUS", "HA", "0"),
     "*0\r\n=" + longT + "\r\n"},
    {"partner_is_the_last_line", longA + "\nb\nHAUS\n" + longT, ask("HAUS", "HA", "3"),
     "*1\r\nHAUS\r\n=" + longT + "\r\n"},
    {"hit_in_translation_lines_only", "X\nHAUS\nY\n" + longA + "HAUS\nHAUS\nz\n",
     ask("HAUS", "HA", "3"), "*1\r\nHAUS\r\n=z\r\n"},
    {"mode1_ends_at_a_headword_without_root",
     "HAUS\nt\n" + longA + "\nHAUS in a translation\nHAUSE\nu\n", ask("HAUS", "HA", "1"),
     "*1\r\nHAUS\r\n=t\r\n"},
    {"empty_lines_shift_the_pairing", "\nHAUS\n\n\nHAUS\n" + longA + "\n\n\nHAUS",
     ask("HAUS", "H", "3"), "*2\r\nHAUS\r\n=" + longA + "\r\nHAUS\r\n=\r\n"},
    {"star_every_headword", longA + "\r\nx\r\n*\r\n" + longT + "\nB\n", ask("*", "*", "1"),
     "*3\r\n" + longA + "\r\n*\r\n=" + longT + "\r\nB\r\n"},
};

TEST(ScanBlocks, EveryBlockCutAndVectorPath) {
    for (const BlockCase& c : blockCases) {
        for (std::size_t block = 1; block <= c.dictionary.size() + 1; ++block) {
            for (const NamedCandidateFinder& finder : testing::candidateFinders()) {
                SCOPED_TRACE(::testing::Message()
                             << c.name << " block " << block << " " << finder.name);
                const testing::ScanRun run =
                    scanBytes(c.dictionary, c.request, block, block + 3, finder.find);
                EXPECT_EQ(run.status, ScanStatus::Completed);
                EXPECT_EQ(run.text, c.expected);
            }
        }
        EXPECT_EQ(scanBytes(c.dictionary, c.request, 7, 7, nullptr, true).text, c.expected)
            << c.name;
    }
}

// Random dictionaries of short lines over a few letters, as the fuzz target makes them: the
// block scan and the line-by-line scan agree for every mode, root and vector path.
TEST(ScanBlocks, AgreesWithTheLineByLineScan) {
    std::mt19937 random(24);
    const char letters[] = {'A', 'B', 'N', '\n', '\n', '\r', ' ', '*'};
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 3000; ++round) {
        std::string dictionary(pick(400), ' ');
        for (char& byte : dictionary)
            byte = letters[pick(sizeof letters)];
        std::string query(1 + pick(3), 'A');
        for (char& byte : query)
            byte = letters[pick(3)];
        if (pick(10) == 0) query = "*";
        const std::string root = query.substr(0, 1 + pick(query.size()));
        const Request request = ask(query, root, std::string(1, "0123"[pick(4)]));
        const std::size_t block = pick(5) == 0 ? LineReader::defaultBlockSize : 1 + pick(150);
        const testing::ScanRun expected =
            scanBytes(dictionary, request, block, static_cast<std::size_t>(-1), nullptr, true);
        for (const NamedCandidateFinder& finder : testing::candidateFinders()) {
            const testing::ScanRun run =
                scanBytes(dictionary, request, block, 1 + pick(300), finder.find);
            ASSERT_EQ(run.text, expected.text)
                << "round " << round << " " << finder.name << " block " << block << " query "
                << query << " root " << root << " mode " << request.mode;
            ASSERT_EQ(run.status, expected.status);
        }
    }
}

} // namespace
} // namespace lexscan
