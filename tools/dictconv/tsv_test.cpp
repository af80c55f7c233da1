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
    };
    for (const TsvCase& c : cases) {
        SCOPED_TRACE(c.name);
        write("in.tsv", c.bytes);
        std::ostringstream warnings;
        const auto result = dictconv::convertTsv(path("in.tsv"), path("out.txt"), warnings);
        EXPECT_EQ(read("out.txt"), c.expected);
        EXPECT_EQ(result.skippedHeadwords, c.skipped) << warnings.str();
    }
}

TEST_F(TsvConvert, LineWithoutTabIsAnErrorNamingIt) {
    write("in.tsv", "casa\thouse\nzucca pumpkin\n");
    write("out.txt", "previous\n");
    std::ostringstream warnings;
    try {
        dictconv::convertTsv(path("in.tsv"), path("out.txt"), warnings);
        ADD_FAILURE() << "no error";
    } catch (const dictconv::ConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("in.tsv:2: no tab"), std::string::npos) << e.what();
    }
    EXPECT_EQ(read("out.txt"), "previous\n");
}

} // namespace
