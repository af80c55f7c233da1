// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"
#include "convert_error.h"
#include "test_folder.h"

#include <sstream>

namespace {

using dictconv::test::TestFolder;

class TsvConvert : public TestFolder {};

// Text as UTF-16 with its byte order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

struct TsvCase {
    const char* name;
    std::string bytes;
    std::string expected;
    std::size_t skipped;
    dictconv::Encoding encoding = dictconv::Encoding::Guess;
};

TEST_F(TsvConvert, ConvertsLines) {
    const TsvCase cases[] = {
        {"sorted, upper-cased, CR LF", "zucca\tpumpkin\r\ncasa\thouse\r\n",
         "CASA\nhouse\nZUCCA\npumpkin\n", 0},
        {"further tabs join", "casa\thouse\t home \t\tdwelling\n", "CASA\nhouse; home; dwelling\n",
         0},
        {"Windows-1252", "citt\xE0\tcity\nperch\xE9\twhy", "CITTÀ\ncity\nPERCHÉ\nwhy\n", 0},
        {"UTF-8 with a byte order mark",
         "\xEF\xBB\xBF"
         "città\tcity\n",
         "CITTÀ\ncity\n", 0},
        {"UTF-16 little-endian, a surrogate pair", utf16(u"citt\u00E0\tcity \U0001D11E\r\n", false),
         "CITTÀ\ncity \U0001D11E\n", 0},
        {"UTF-16 big-endian, a lone surrogate", utf16(u"zucca\tpumpkin\nb\t\xD800x\n", true),
         "B\n\uFFFDx\nZUCCA\npumpkin\n", 0},
        {"empty lines skipped, merged entries", "a\tx\n\nA\ty\n", "A\nx | y\n", 0},
        {"reserved and blank headwords skipped", "*a\tx\n \ty\nb\tz\n", "B\nz\n", 2},
        {"CR line ends", "zucca\tpumpkin\rcasa\thouse\rmela\tapple\r",
         "CASA\nhouse\nMELA\napple\nZUCCA\npumpkin\n", 0},
        {"forced Windows-1252", "citt\xC3\xA0\tcity\n", "CITT\xC3\x83\xC2\xA0\ncity\n", 0,
         dictconv::Encoding::Cp1252},
        {"forced UTF-16 without its mark", std::string("c\0a\0\t\0x\0", 8), "CA\nx\n", 0,
         dictconv::Encoding::Utf16},
    };
    for (const TsvCase& c : cases) {
        SCOPED_TRACE(c.name);
        write("in.tsv", c.bytes);
        std::ostringstream warnings;
        const auto result =
            dictconv::convertTsv(path("in.tsv"), path("out.txt"), warnings, c.encoding);
        EXPECT_EQ(read("out.txt"), c.expected);
        EXPECT_EQ(result.skippedHeadwords, c.skipped) << warnings.str();
    }
}

// What cannot be read one way stops the conversion with the lines to look at.
TEST_F(TsvConvert, ErrorsNameTheLines) {
    std::string mostlyUtf8;
    for (int i = 0; i < 10; ++i)
        mostlyUtf8 += "citt\xC3\xA0" + std::to_string(i) + "\tcity\n";
    mostlyUtf8 += "perch\xE9\twhy\nl\xE0\tthere\n";
    const std::pair<std::string, std::string> cases[] = {
        {"casa\thouse\nzucca pumpkin\n", "in.tsv:2: no tab"},
        {"casa\thouse\nzucca\tpumpkin\rmela\tapple\n", "in.tsv:2: line ends mixed"},
        {"casa\thouse\rzucca\tpumpkin\nmela\tapple\r", "in.tsv:2: line ends mixed"},
        {mostlyUtf8, "in.tsv: mostly UTF-8, but not on lines 11, 12;"},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        write("in.tsv", bytes);
        write("out.txt", "previous\n");
        std::ostringstream warnings;
        try {
            dictconv::convertTsv(path("in.tsv"), path("out.txt"), warnings);
            ADD_FAILURE() << "no error";
        } catch (const dictconv::ConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(read("out.txt"), "previous\n");
    }
}

} // namespace
