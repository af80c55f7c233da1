// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan_harness.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexscan {
namespace {

using namespace std::string_literals;
using testing::ask;
using testing::scanBytes;

// HOME / CASA, HOUSE / CASA, ABITAZIONE, HOUSEBOAT / CASA GALLEGGIANTE, LIGHTHOUSE / FARO.
const std::string houses = "HOME\nCASA\nHOUSE\nCASA, ABITAZIONE\nHOUSEBOAT\nCASA GALLEGGIANTE\n"
                           "LIGHTHOUSE\nFARO\n";
const std::string housesExpected = "*3\r\nHOME\r\nHOUSE\r\n=CASA, ABITAZIONE\r\nHOUSEBOAT\r\n"
                                   "LIGHTHOUSE\r\n";

// Sorted; SHOE holds HO after its first letter, TABLE holds no HO, HOVEL comes after it.
const std::string sorted = "ABC\na\nHOME\nb\nHOUSE\nc\nHOUSEBOAT\nd\nSHOE\ne\nTABLE\nf\nHOVEL\ng\n";

struct ScanCase {
    const char* name;
    std::string dictionary;
    Request request;
    std::string expected;
};

const std::vector<ScanCase>& scanCases() {
    static const std::vector<ScanCase> cases = {
        // The four modes on the worked example.
        {"houses_mode3", houses, ask("HOUSE", "HO", "3"), housesExpected},
        {"houses_mode1", houses, ask("HOUSE", "HO", "1"),
         "*3\r\nHOME\r\nHOUSE\r\n=CASA, ABITAZIONE\r\nHOUSEBOAT\r\n"},
        {"houses_mode2", houses, ask("HOUSE", "HO", "2"),
         "*0\r\n=CASA, ABITAZIONE\r\nLIGHTHOUSE\r\n"},
        {"houses_mode0", houses, ask("HOUSE", "HO", "0"), "*0\r\n=CASA, ABITAZIONE\r\n"},
        {"houses_crlf",
         "HOME\r\nCASA\r\nHOUSE\r\nCASA, ABITAZIONE\r\nHOUSEBOAT\r\n"
         "CASA GALLEGGIANTE\r\nLIGHTHOUSE\r\nFARO\r\n",
         ask("HOUSE", "HO", "3"), housesExpected},
        {"houses_no_final_line_end", houses.substr(0, houses.size() - 1), ask("HOUSE", "HO", "3"),
         housesExpected},
        {"no_hit", houses, ask("ZEBRA", "ZE", "3"), "*0\r\n"},
        {"no_hit_mode0", houses, ask("ZEBRA", "ZE", "0"), "*0\r\n"},

        // Exact matches and translations.
        {"duplicates_mode3", "HOUSE\nA\nHOUSE\nB\n", ask("HOUSE", "HO", "3"),
         "*2\r\nHOUSE\r\n=A\r\nHOUSE\r\n=B\r\n"},
        {"duplicates_mode2", "HOUSE\nA\nHOUSE\nB\n", ask("HOUSE", "HO", "2"), "*0\r\n=A\r\n=B\r\n"},
        {"duplicates_mode0_stops", "HOUSE\nA\nHOUSE\nB\n", ask("HOUSE", "HO", "0"), "*0\r\n=A\r\n"},
        {"mode0_stops_before_later_lines", "HOUSE\nA\nHOUSEBOAT\nB\n", ask("HOUSE", "HO", "0"),
         "*0\r\n=A\r\n"},
        {"empty_translation", "HOUSE\n\nHOUSEBOAT\nB\n", ask("HOUSE", "HO", "3"),
         "*2\r\nHOUSE\r\n=\r\nHOUSEBOAT\r\n"},
        {"odd_line_count_last_headword", "A\nB\nHOUSE", ask("HOUSE", "HO", "3"),
         "*1\r\nHOUSE\r\n=\r\n"},
        {"odd_line_count_with_line_end", "A\nB\nHOUSE\n", ask("HOUSE", "HO", "0"), "*0\r\n=\r\n"},
        {"translation_lines_never_match", "A\nHOUSE\nB\nHOUSEBOAT\n", ask("HOUSE", "HO", "3"),
         "*0\r\n"},
        {"empty_line_shifts_pairing", "\nHOUSE\nHOUSE\nT\n", ask("HOUSE", "HO", "3"),
         "*1\r\nHOUSE\r\n=T\r\n"},
        {"translation_blanks_kept", "HOUSE\n  CASA \t\n", ask("HOUSE", "HO", "0"),
         "*0\r\n=  CASA \t\r\n"},

        // NL and WL placement.
        {"root_at_start_is_never_wl", "HOUSEHOUSE\nA\n", ask("HOUSE", "HO", "3"),
         "*1\r\nHOUSEHOUSE\r\n"},
        {"root_later_without_query_is_nothing", "SHOE\nA\n", ask("HOUSE", "HO", "3"), "*0\r\n"},
        {"query_without_root_at_start_is_wl", "LIGHTHOUSE\nA\nBOATHOUSES\nB\n",
         ask("HOUSE", "HO", "3"), "*0\r\nLIGHTHOUSE\r\nBOATHOUSES\r\n"},
        {"headword_blanks_kept", " HOUSE\nA\nHOUSE \nB\n", ask("HOUSE", "HO", "3"),
         "*1\r\n HOUSE\r\nHOUSE \r\n"},
        {"upper_query_lower_headwords", "house\na\nlighthouse\nb\nHouse\nc\n",
         ask("HOUSE", "HO", "3"), "*0\r\n"},
        {"cr_before_lf_dropped", "HOUSE\r\nA\r\n", ask("HOUSE", "HO", "0"), "*0\r\n=A\r\n"},
        {"other_cr_kept", "HOUSE\r\r\nA\nX\nHOUSE\rB\n", ask("HOUSE", "HO", "3"),
         "*1\r\nHOUSE\r\r\n"},
        {"cr_at_file_end_kept", "A\nB\nHOUSE\r", ask("HOUSE", "HO", "3"), "*1\r\nHOUSE\r\r\n"},
        {"nul_bytes_matched_as_bytes", "HO\0SE\nX\nHOUSE\nA\0B\n"s, ask("HOUSE", "HO", "3"),
         "*2\r\nHO\0SE\r\nHOUSE\r\n=A\0B\r\n"s},

        // Mode 1 early end.
        {"mode1_ends_at_first_headword_without_root", sorted, ask("HOUSE", "HO", "1"),
         "*3\r\nHOME\r\nHOUSE\r\n=c\r\nHOUSEBOAT\r\n"},
        {"mode3_reads_on", sorted, ask("HOUSE", "HO", "3"),
         "*4\r\nHOME\r\nHOUSE\r\n=c\r\nHOUSEBOAT\r\nHOVEL\r\n"},
        {"mode1_no_end_before_first_nl", "ABC\na\nXYZ\nb\nHOUSE\nc\n", ask("HOUSE", "HO", "1"),
         "*1\r\nHOUSE\r\n=c\r\n"},
        {"mode1_one_letter_query_reads_all", "HA\na\nB\nb\nHE\nc\n", ask("H", "H", "1"),
         "*2\r\nHA\r\nHE\r\n"},
        {"mode1_one_utf8_letter_reads_all",
         "\xC3\x89"
         "COLE\na\nEDERA\nb\n\xC3\x89TAT\nc\n",
         ask("\xC3\x89", "\xC3\x89", "1"),
         "*2\r\n\xC3\x89"
         "COLE\r\n\xC3\x89TAT\r\n"},
        {"mode1_one_cyrillic_letter_reads_all", "\xD0\x94\xD0\x90\na\nB\nb\n\xD0\x94\xD0\x9E\nc\n",
         ask("\xD0\x94", "\xD0\x94", "1"), "*2\r\n\xD0\x94\xD0\x90\r\n\xD0\x94\xD0\x9E\r\n"},
        // Two Windows-1252 letters (not UTF-8): two characters, so the scan ends early.
        {"mode1_two_single_byte_letters_end", "\xC9T\na\nEDERA\nb\n\xC9TAT\nc\n",
         ask("\xC9T", "\xC9", "1"), "*1\r\n\xC9T\r\n=a\r\n"},
        {"mode1_end_skips_exact_translation", "HOME\na\nZ\nb\nHOUSE\nc\n", ask("HOUSE", "HO", "1"),
         "*1\r\nHOME\r\n"},
        {"mode1_empty_headword_ends", "HOME\na\n\nb\nHOUSE\nc\n", ask("HOUSE", "HO", "1"),
         "*1\r\nHOME\r\n"},
        {"mode2_never_ends_early", sorted + "ZHOUSE\nh\n", ask("HOUSE", "HO", "2"),
         "*0\r\n=c\r\nZHOUSE\r\n"},

        // QW "*".
        {"star_mode1_everything_in_file_order", "B\nb\nA\na\n*\nx\n", ask("*", "*", "1"),
         "*3\r\nB\r\nA\r\n*\r\n=x\r\n"},
        {"star_mode3_no_wl", "B\nb\nA\na\n", ask("*", "*", "3"), "*2\r\nB\r\nA\r\n"},
        {"star_mode2_nothing", "B\nb\nA\na\n", ask("*", "*", "2"), "*0\r\n"},
        {"star_mode0_nothing", "B\nb\nA\na\n", ask("*", "*", "0"), "*0\r\n"},

        // Requests with missing lines: an empty root begins every headword.
        {"empty_query_root_mode", "A\nB\n\nC\n", ask("", "", ""), "*2\r\nA\r\n\r\n=C\r\n"},
        {"empty_root", "A\nB\nHOUSE\nC\n", ask("HOUSE", "", "1"), "*2\r\nA\r\nHOUSE\r\n=C\r\n"},
        {"empty_mode_behaves_as_3", houses, ask("HOUSE", "HO", ""), housesExpected},
    };
    return cases;
}

const std::size_t blockSizes[] = {1, 2, 3, 5, 7, 64, LineReader::defaultBlockSize};

// The block scan with each vector path, and the plain line-by-line scan.
TEST(Scan, ResultLinesAtEveryBlockSize) {
    for (const ScanCase& c : scanCases()) {
        for (std::size_t block : blockSizes) {
            for (std::size_t limit : {std::size_t{1}, static_cast<std::size_t>(-1)}) {
                for (const NamedCandidateFinder& finder : testing::candidateFinders()) {
                    for (bool lineByLine : {false, true}) {
                        SCOPED_TRACE(::testing::Message()
                                     << c.name << " block " << block << " read " << limit << " "
                                     << (lineByLine ? "line by line" : finder.name));
                        const testing::ScanRun run = scanBytes(c.dictionary, c.request, block,
                                                               limit, finder.find, lineByLine);
                        EXPECT_EQ(run.status, ScanStatus::Completed);
                        EXPECT_EQ(run.text, c.expected);
                    }
                }
            }
        }
    }
}

TEST(Scan, OtherModeTextsBehaveAsThree) {
    for (const char* mode : {"3", "", "4", "x", "10", "01", " 1", "1 ", "3\r"}) {
        SCOPED_TRACE(::testing::Message() << '"' << mode << '"');
        EXPECT_EQ(scanBytes(houses, ask("HOUSE", "HO", mode)).text, housesExpected);
    }
}

} // namespace
} // namespace lexscan
