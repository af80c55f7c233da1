// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/request.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexscan {
namespace {

using namespace std::string_literals;

struct RequestCase {
    const char* name;
    std::string text;
    Request expected;
};

TEST(Request, ReadsFourLinesMissingOnesEmpty) {
    const std::vector<RequestCase> cases = {
        {"crlf", "/d.txt\r\nHOUSE\r\nHO\r\n3\r\n", {"/d.txt", "HOUSE", "HO", "3"}},
        {"lf", "/d.txt\nHOUSE\nHO\n3\n", {"/d.txt", "HOUSE", "HO", "3"}},
        {"last_without_line_end", "/d.txt\r\nHOUSE\r\nHO\r\n1", {"/d.txt", "HOUSE", "HO", "1"}},
        {"results_after_request_ignored",
         "/d\r\nA\r\nA\r\n0\r\n*0\r\n=X\r\n",
         {"/d", "A", "A", "0"}},
        {"blanks_kept", " /a b \r\n W \r\n W\r\n 3\r\n", {" /a b ", " W ", " W", " 3"}},
        {"empty_file", "", {}},
        {"one_line", "/d.txt\r\n", {"/d.txt", "", "", ""}},
        {"three_lines", "/d.txt\nQ\nQ", {"/d.txt", "Q", "Q", ""}},
        {"empty_lines", "\r\n\r\n\r\n\r\n", {}},
        {"nul_inside", "/d\nA\0B\nA\n2\n"s, {"/d", "A\0B"s, "A", "2"}},
    };
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySource source(c.text, 1);
        const Request request = readRequest(source);
        EXPECT_EQ(request.dictionaryPath, c.expected.dictionaryPath);
        EXPECT_EQ(request.query, c.expected.query);
        EXPECT_EQ(request.root, c.expected.root);
        EXPECT_EQ(request.mode, c.expected.mode);
    }
}

TEST(Request, FileThatDoesNotOpenGivesEmptyRequest) {
    testing::TempFolder folder;
    for (const std::string& path : {""s, folder.file("missing"), folder.path()}) {
        SCOPED_TRACE(path);
        const Request request = readRequestFile(path);
        EXPECT_TRUE(request.dictionaryPath.empty());
        EXPECT_TRUE(request.query.empty());
    }
}

} // namespace
} // namespace lexscan
