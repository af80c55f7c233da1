// SPDX-License-Identifier: GPL-3.0-or-later
// MYFUNC end to end: the built liblexscan.so, loaded by name as the program loads it, with the
// exchange file in a temporary XDG_CACHE_HOME.

#include "lexscan/exchange_path.h"
#include "lexscan/myfunc.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexscan {
namespace {

using namespace std::string_literals;
using Entry = std::int32_t (*)(std::int32_t);

Entry loadMyfunc() {
    static void* library = ::dlopen(LEXSCAN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    return library ? reinterpret_cast<Entry>(::dlsym(library, "MYFUNC")) : nullptr;
}

const std::string houses = "HOME\nCASA\nHOUSE\nCASA, ABITAZIONE\nHOUSEBOAT\nCASA GALLEGGIANTE\n"
                           "LIGHTHOUSE\nFARO\n";

class Myfunc : public ::testing::Test {
protected:
    void SetUp() override {
        myfunc = loadMyfunc();
        ASSERT_NE(myfunc, nullptr) << ::dlerror();
        std::filesystem::create_directory(cache.file("vocabrix"));
        ASSERT_EQ(exchangeFilePath(), exchange);
        testing::writeFile(dictionary, houses);
    }
    std::string crlf(std::initializer_list<std::string> lines) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        return text;
    }

    testing::TempFolder cache;
    testing::ScopedEnv xdg{"XDG_CACHE_HOME", cache.path()};
    const std::string exchange = cache.file("vocabrix/zzz.log");
    const std::string dictionary = cache.file("en_it.txt");
    Entry myfunc = nullptr;
};

TEST_F(Myfunc, WorkedExampleByteForByte) {
    const std::string request = crlf({dictionary, "HOUSE", "HO", "3"});
    testing::writeFile(exchange, request);
    EXPECT_EQ(myfunc(0), resultScanned);
    EXPECT_EQ(testing::readFile(exchange),
              request +
                  crlf({"*3", "HOME", "HOUSE", "=CASA, ABITAZIONE", "HOUSEBOAT", "LIGHTHOUSE"}));
}

TEST_F(Myfunc, EachCallStandsAlone) {
    const struct {
        std::string request;
        std::string results;
    } calls[] = {
        {dictionary + "\nHOUSE\nHO\n1\n",
         crlf({"*3", "HOME", "HOUSE", "=CASA, ABITAZIONE", "HOUSEBOAT"})},
        {crlf({dictionary, "ZEBRA", "ZE", "3"}), crlf({"*0"})},
        {crlf({dictionary, "*", "*", "1"}),
         crlf({"*4", "HOME", "HOUSE", "HOUSEBOAT", "LIGHTHOUSE"})},
        {crlf({dictionary, "HOUSE", "HO"}),
         crlf({"*3", "HOME", "HOUSE", "=CASA, ABITAZIONE", "HOUSEBOAT", "LIGHTHOUSE"})},
        {crlf({dictionary, "HOUSE", "HO", "0"}), crlf({"*0", "=CASA, ABITAZIONE"})},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.request);
        testing::writeFile(exchange, call.request);
        EXPECT_EQ(myfunc(7), resultScanned);
        EXPECT_EQ(testing::readFile(exchange), call.request + call.results);
    }
}

TEST_F(Myfunc, DictionaryThatDoesNotOpenAppendsNothing) {
    const struct {
        const char* name;
        std::string request;
    } cases[] = {
        {"empty_request", ""},
        {"only_a_path_line_that_is_empty", "\r\n"},
        {"empty_path", crlf({"", "HOUSE", "HO", "3"})},
        {"missing_file", crlf({cache.file("missing.txt"), "HOUSE", "HO", "3"})},
        {"folder", crlf({cache.path(), "HOUSE", "HO", "3"})},
        {"stray_cr_belongs_to_the_path", dictionary + "\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeFile(exchange, c.request);
        EXPECT_EQ(myfunc(0), resultNoDictionary);
        EXPECT_EQ(testing::readFile(exchange), c.request);
    }
}

TEST_F(Myfunc, MissingExchangeFileIsNotCreated) {
    EXPECT_EQ(myfunc(0), resultNoDictionary);
    EXPECT_FALSE(std::filesystem::exists(exchange));
    std::filesystem::remove(cache.file("vocabrix"));
    EXPECT_EQ(myfunc(0), resultNoDictionary);
    EXPECT_FALSE(std::filesystem::exists(cache.file("vocabrix")));
}

// A link in the exchange file's place is neither read nor appended to: the request behind it
// may be someone else's, and appending would write into whatever it points at.
TEST_F(Myfunc, ExchangeFileBehindALinkIsRefused) {
    const std::string target = cache.file("elsewhere.log");
    const std::string request = crlf({dictionary, "HOUSE", "HO", "3"});
    testing::writeFile(target, request);
    std::filesystem::create_symlink(target, exchange);
    EXPECT_EQ(myfunc(0), resultNoDictionary);
    EXPECT_EQ(testing::readFile(target), request);
}

TEST_F(Myfunc, DictionaryWithoutReadPermission) {
    const std::string request = crlf({dictionary, "HOUSE", "HO", "3"});
    testing::writeFile(exchange, request);
    for (const std::string& folder : {cache.path(), cache.file("vocabrix")})
        ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(exchange.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dictionary.c_str(), 0), 0);
    const std::optional<int> held =
        testing::runUnprivileged([&] { return myfunc(0) == resultNoDictionary; });
    if (!held) GTEST_SKIP() << "cannot run a child without root's right to read every file";
    EXPECT_EQ(*held, 1);
    EXPECT_EQ(testing::readFile(exchange), request);
}

// Runs MYFUNC in a child whose files may not grow past limit bytes; returns its result.
int myfuncWithFileLimit(Entry myfunc, std::size_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileLimit{limit, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &fileLimit);
        ::_exit(myfunc(0));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST_F(Myfunc, StopsAtTheFirstChunkThatCannotBeAppended) {
    // 64001 headwords give three chunks; the limit lets the first through and cuts the second.
    std::string many;
    for (int i = 0; i < 64001; ++i)
        many += "W\nw\n";
    testing::writeFile(dictionary, many);
    const std::string request = crlf({dictionary, "*", "*", "1"});
    std::string firstChunk = "*32000\r\n";
    for (int i = 0; i < 32000; ++i)
        firstChunk += "W\r\n";
    const struct {
        const char* name;
        std::size_t limit;
        std::string kept;
    } cases[] = {
        {"first_chunk", request.size(), request},
        {"first_chunk_partly", request.size() + 100, request},
        {"second_chunk", request.size() + firstChunk.size() + 1, request + firstChunk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeFile(exchange, request);
        EXPECT_EQ(myfuncWithFileLimit(myfunc, c.limit), resultAppendFailed);
        EXPECT_EQ(testing::readFile(exchange), c.kept);
    }
}

} // namespace
} // namespace lexscan
