// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/exchange_sink.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexscan {
namespace {

using namespace std::string_literals;

const std::string request = "/d.txt\r\nHOUSE\r\nHO\r\n3\r\n";

TEST(ExchangeFileSink, AppendsEachChunkAfterWhatIsThere) {
    testing::TempFolder folder;
    const std::string path = folder.file("zzz.log");
    testing::writeFile(path, request);
    ExchangeFileSink sink(path);
    EXPECT_TRUE(sink.takeChunk(32000, "HOME\r\n"));
    EXPECT_TRUE(sink.takeChunk(0, ""));
    EXPECT_TRUE(sink.takeChunk(12, "=A\0B\r\n"s));
    EXPECT_EQ(testing::readFile(path), request + "*32000\r\nHOME\r\n*0\r\n*12\r\n=A\0B\r\n"s);
}

TEST(ExchangeFileSink, RefusesWhatCannotBeAppended) {
    testing::TempFolder folder;
    const std::string missing = folder.file("zzz.log");
    const std::string target = folder.file("target.log");
    const std::string link = folder.file("link.log");
    testing::writeFile(target, "");
    std::filesystem::create_symlink(target, link);
    for (const std::string& path : {""s, missing, folder.path(), "/dev/full"s, link}) {
        SCOPED_TRACE(path);
        ExchangeFileSink sink(path);
        EXPECT_FALSE(sink.takeChunk(1, "HOME\r\n"));
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "the file must never be created";
    EXPECT_EQ(testing::readFile(target), "") << "nothing is written through a link";
}

// In a child process, since the file size limit holds for the whole process (root included).
TEST(ExchangeFileSink, PartlyWrittenChunkIsCutOff) {
    testing::TempFolder folder;
    const std::string path = folder.file("zzz.log");
    const std::string firstChunk = "*1\r\nHOME\r\n";
    testing::writeFile(path, request);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        // Room for the first chunk and 5 bytes of the second.
        const rlimit limit{request.size() + firstChunk.size() + 5, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ExchangeFileSink sink(path);
        const bool first = sink.takeChunk(1, "HOME\r\n");
        const bool second = sink.takeChunk(2, std::string(100, 'x'));
        ::_exit(first && !second ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(testing::readFile(path), request + firstChunk);
}

} // namespace
} // namespace lexscan
