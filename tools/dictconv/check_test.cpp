// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"
#include "convert_error.h"
#include "repair.h"
#include "test_folder.h"

#include <sstream>

namespace {

using dictconv::test::TestFolder;

class Check : public TestFolder {
protected:
    // The report of a check of `bytes`, and its problem count.
    std::string check(const std::string& bytes, std::size_t& problems) {
        write("d.txt", bytes);
        std::ostringstream report;
        problems = dictconv::checkDictionary(path("d.txt"), report).problems;
        return report.str();
    }
};

struct Problem {
    const char* name;
    std::string bytes;
    const char* expected; // a line of the report, after the file name
    std::size_t problems;
};

TEST_F(Check, ReportsEachProblemWithItsLine) {
    const std::string longLine(dictconv::longLineLimit + 1, 'x');
    const std::string utf8 = "À\n" + std::string(70000, 'x') + "\n";
    const Problem cases[] = {
        {"odd count", "A\na\nB\n", ":3: odd number of lines", 1},
        {"lower case", "A\na\nBc\nb\n", ":3: headword \"Bc\" is not upper case", 1},
        {"lower case beyond ASCII", "CITTà\nc\n", ":1: headword \"CITTà\" is not upper", 1},
        {"out of order", "B\nb\nA\na\nC\nc\nA\na\n",
         ":3: headwords out of order: \"B\" (line 1) comes before \"A\"", 2},
        {"star", "*A\na\n", ":1: headword \"*A\" begins with \"*\"", 1},
        {"equals", "=A\na\n", "begins with \"=\"", 1},
        {"underscore", "_A\na\n", "begins with \"_\"", 1},
        {"blank", "A\na\n  \nb\n", ":3: blank headword", 2}, // also out of order
        {"empty", "\nb\n", ":1: blank headword", 1},
        {"lone CR", "A\na\rb\n", ":2: carriage return without a line feed", 1},
        {"CR LF is fine", "A\r\na\r\n", "no problems", 0},
        {"last CR without LF", "A\na\r", ":2: carriage return", 1},
        // The program guesses the encoding from the first 64 KiB.
        {"not UTF-8 in UTF-8", "À\n" + std::string(70000, 'x') + "\nÈ\n\xE8\n",
         ":4: bytes that are not UTF-8", 1},
        {"UTF-8 in Windows-1252", "\xC0\nx\nÈ\nè\n", ":3: UTF-8 text in a Windows-1252", 2},
        {"undefined byte", "\xC0\n\x81\n", ":2: bytes that are neither UTF-8 nor Windows-1252", 1},
        {"NUL", std::string("A\na\0b\n", 6), ":2: NUL byte", 1},
        {"long line", "A\n" + longLine + "\n", ":2: line longer than 1 MB", 1},
        {"Windows-1252 upper case", "\xC0\n\xE0\n\xE0\nx\n", ":3: headword", 1},
        {"ß stays", "STRAßE\ns\n", "no problems", 0},
        {"Windows-1252 µ stays", "\xB5\nm\n\xC0\nx\n", "no problems", 0},
        {"NUL amid a line over 64 bytes",
         "A\n" + std::string(100, 'x') + '\0' + std::string(100, 'y') + "\n", ":2: NUL byte", 1},
        {"line across reads", "A\n" + std::string(300000, 'x') + "\xE8\n",
         ":2: bytes that are not UTF-8", 1},
        // Sequences a look at the bytes around them must refuse, after a UTF-8 guess.
        {"sequence cut by CR LF", utf8 + "È\r\nb\xC3\r\n", ":4: bytes that are not UTF-8", 1},
        {"continuation opening a line", utf8 + "È\nb\xE2\n\x80\nc\n",
         ":5: bytes that are not UTF-8", 3},
        {"overlong", utf8 + "È\n\xE0\x80\x80 \xC1\xBF\n", ":4: bytes that are not UTF-8", 1},
        {"surrogate", utf8 + "È\nx\xED\xA0\x80\n", ":4: bytes that are not UTF-8", 1},
        {"four bytes are fine", utf8 + "È\n\xF0\x9F\x98\x80\xE2\x80\x9E\n", "no problems", 0},
    };
    for (const Problem& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t problems = 0;
        const std::string report = check(c.bytes, problems);
        EXPECT_NE(report.find(c.expected), std::string::npos) << report;
        EXPECT_EQ(problems, c.problems) << report;
    }
}

TEST_F(Check, LongLineAcrossReadsIsOneLine) {
    // Longer than one read, with a NUL and a CR LF at its end: still one line of the pairing.
    std::string big(5u << 20, 'y');
    big[3u << 20] = '\0';
    std::size_t problems = 0;
    const std::string report = check("A\n" + big + "\r\nB\nb", problems);
    EXPECT_NE(report.find(":2: NUL byte"), std::string::npos) << report;
    EXPECT_NE(report.find(":2: line longer than 1 MB (5242880 bytes)"), std::string::npos);
    EXPECT_NE(report.find(": 4 lines, 2 headwords"), std::string::npos) << report;
    EXPECT_EQ(problems, 2u);
}

TEST_F(Check, UnreadableFileIsAnError) {
    EXPECT_THROW(dictconv::checkDictionary(path("missing.txt"), std::cout), dictconv::ConvertError);
    EXPECT_THROW(dictconv::checkDictionary(dir_, std::cout), dictconv::ConvertError);
}

struct Repair {
    const char* name;
    std::string bytes;
    std::string expected;
    std::size_t unrepaired;
};

TEST_F(Check, RepairKeepsEveryEntryAndPassesTheCheck) {
    const Repair cases[] = {
        {"order, case, CR LF", "casa\r\nhouse\r\nAbete\r\nfir\r\n", "ABETE\nfir\nCASA\nhouse\n", 0},
        {"odd count", "B\nb\nA", "A\n\nB\nb\n", 0},
        {"CR line ends", "B\rb\rA\ra\r", "A\na\nB\nb\n", 0},
        {"lone CR and NUL", std::string("A\na\rb\0c\n", 8), "A\na b c\n", 0},
        {"mixed encodings", "CITTÀ\ncity\nperch\xE9\nwhy\n", "CITTÀ\ncity\nPERCHÉ\nwhy\n", 0},
        {"duplicates stay", "B\nb1\nA\na\nB\nb2\n", "A\na\nB\nb1\nB\nb2\n", 0},
        {"reserved and blank stay", "*A\na\n \nb\nC\nc\n", " \nb\n*A\na\nC\nc\n", 2},
    };
    for (const Repair& c : cases) {
        SCOPED_TRACE(c.name);
        write("in.txt", c.bytes);
        std::ostringstream report;
        const auto summary = dictconv::repairDictionary(path("in.txt"), path("out.txt"), report);
        EXPECT_EQ(read("out.txt"), c.expected) << report.str();
        EXPECT_EQ(summary.unrepaired, c.unrepaired) << report.str();
        std::ostringstream again;
        const auto checked = dictconv::checkDictionary(path("out.txt"), again);
        EXPECT_EQ(checked.problems, c.unrepaired) << again.str();
    }
}

} // namespace
