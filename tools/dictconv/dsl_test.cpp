// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert_downloads.h"
#include "dsl_cards.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace dictconv {
namespace {

struct CardCase {
    const char* name;
    std::string_view dsl;  // lines of a DSL file
    const char* written;   // "headword=text" lines in the order they are handed on
    const char* warnings;  // what the warnings must hold ("" none)
    std::uint64_t unknown; // unknown tags counted
};

class DslCard : public ::testing::TestWithParam<CardCase> {};

TEST_P(DslCard, GivesTheExpectedLines) {
    const CardCase& c = GetParam();
    std::string written;
    std::ostringstream warnings;
    DslCards cards(
        "t.dsl",
        [&written](std::string_view h, std::string_view t) {
            written += std::string(h) + "=" + std::string(t) + "\n";
        },
        warnings);
    std::istringstream in{std::string(c.dsl)};
    std::string line;
    for (std::uint64_t number = 1; std::getline(in, line); ++number)
        cards.line(line, number);
    cards.finish();
    EXPECT_EQ(written, c.written);
    if (*c.warnings == '\0')
        EXPECT_EQ(warnings.str(), "");
    else
        EXPECT_NE(warnings.str().find(c.warnings), std::string::npos) << warnings.str();
    EXPECT_EQ(cards.unknownTags(), c.unknown);
}

const CardCase cardCases[] = {
    {"Tags",
     "w\n\t[m1][b]a[/b] [i]b[/i] [u]c[/u] [c green]d[/c] [p]e[/p] [ex]f[/ex] [com]g[/com]"
     " [*]h[/*] [lang id=1033]i[/lang] [ref]j[/ref] [url]k[/url] [!trs]l[/!trs] [t]m[/t]"
     " x[sup]2[/sup] y[sub]3[/sub] [trn]n[/trn][/m]\n",
     "w=a b c d e f g h i j k l m x2 y3 n\n", "", 0},
    {"Media", "w\n\t[s]w.wav[/s] sound [s]p.jpg[/s]\n", "w=sound\n", "", 0},
    {"Comments", "w\n\tone {{a note}}two {{a note\n\tover lines}} three\n", "w=one two; three\n",
     "", 0},
    {"Tilde", "cat\n\t~ and ~s\n", "cat=cat and cats\n", "", 0},
    {"Escapes", "w\n\t\\[x\\] \\~ \\\\ \\{\\{y\\}\\}\n", "w=[x] ~ \\ {{y}}\n", "", 0},
    {"LinesJoined", "w\n\tone\n\n\t  two  \n\t[m1][/m]\n\tthree\n", "w=one; two; three\n", "", 0},
    {"OptionalPart", "colo(u)r\n\t~ing\n", "colour=colouring\ncolor=colouring\n", "", 0},
    {"UnsortedPart", "{to }go\n\t~ away\n", "go=go away\n", "", 0},
    {"EscapedHeadword", "a\\(b\\) \\{c\\}\n\tt\n", "a(b) {c}=t\n", "", 0},
    {"SeveralHeadwords", "one\ntwo\n\tt ~\nthree\n\tu\n", "one=t one\ntwo=t one\nthree=u\n", "", 0},
    {"SubEntries", "head\n\tmain\n\t@ ~ful\n\tsub ~\n\t@\n\tmore\n",
     "headful=sub head\nhead=main; more\n", "", 0},
    {"CrAndNulInsideLines", std::string_view("w\r x\n\ta\rb\0c ~\n", 15), "w x=a b c w x\n", "", 0},
    {"UnknownTags", "w\n\t[zz]a[/zz] [m1]b[/m] [qq x=1]c\n", "w=a b c\n", "", 3},
    {"HeaderTitleAndCardWithoutHeadword", "#NAME \"N\"\n\torphan\nw\n\tt\n", "w=t\n",
     "t.dsl:2: card text without a headword", 0},
    {"HeadwordWithoutCard", "lonely\n\nw\n\tt\nlast\n", "w=t\n", "t.dsl:1: headword without a card",
     0},
    {"HeadwordWithoutCardAtEnd", "w\n\tt\nlast\n", "w=t\n", "t.dsl:3: headword without a card", 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, DslCard, ::testing::ValuesIn(cardCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The hand-made files of testdata/dsl hold one dictionary in several encodings and packings.
class DslFile : public test::TestFolder, public ::testing::WithParamInterface<const char*> {};

TEST_P(DslFile, ConvertsToTheSameDictionary) {
    const std::filesystem::path input = std::filesystem::path(DSL_TEST_DATA) / GetParam();
    std::ostringstream warnings;
    const ConvertResult result = convertDsl(input, path("out.txt"), warnings);
    EXPECT_EQ(read("out.txt"),
              "ДОМ\nhouse, a home\nДОМИК\nhouse, a home\nКОТ\ncat; котик kitten\n");
    EXPECT_EQ(result.title, "Тест");
    EXPECT_EQ(warnings.str(), "");
}

INSTANTIATE_TEST_SUITE_P(Encodings, DslFile,
                         ::testing::Values("utf16le.dsl", "utf16be.dsl", "cp1251.dsl",
                                           "utf8.dsl.dz"));

} // namespace
} // namespace dictconv
