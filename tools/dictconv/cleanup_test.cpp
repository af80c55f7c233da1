// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion that fails to write, or is stopped by a signal, leaves the previous output as it
// was and no temporary file behind.
#include "cli.h"
#include "convert.h"
#include "record_sorter.h"
#include "signal_cleanup.h"
#include "temp_file.h"
#include "test_folder.h"

#include <cerrno>
#include <csignal>
#include <iostream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using dictconv::test::TestFolder;

class Cleanup : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        std::string tsv;
        for (int i = 0; i < 2000; ++i)
            tsv += "word" + std::to_string(i * 7919 % 2000) + "\ttranslation " + std::to_string(i) +
                   "\n";
        write("in.tsv", tsv);
        write("out.txt", "previous\n");
        dictconv::setSortMemory(4096); // many runs
    }
    void TearDown() override {
        dictconv::writeFault = nullptr;
        dictconv::setSortMemory(saved_);
        TestFolder::TearDown();
    }
    const std::uint64_t saved_ = dictconv::sortMemory();
};

// Fails the write to the file whose name holds `failing`, the `failAt`th such write.
std::string failing;
int failAt = 0, seen = 0;
int failNamed(const std::string& file) {
    return file.find(failing) != std::string::npos && ++seen == failAt ? ENOSPC : 0;
}

TEST_F(Cleanup, WriteFailureExitsTwoNamingTheFile) {
    struct Case {
        const char* name;
        std::string file; // in the file's name as written in the message
        int failAt;
    };
    const Case cases[] = {
        {"first run", "temporary file in " + dir_.string(), 1},
        {"a later run", "temporary file in " + dir_.string(), 5},
        {"the output", path("out.txt").string(), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        failing = c.file;
        failAt = c.failAt;
        seen = 0;
        dictconv::writeFault = failNamed;
        std::ostringstream errors;
        std::streambuf* saved = std::cerr.rdbuf(errors.rdbuf());
        const int status =
            dictconv::runCommand({"tsv", path("in.tsv").string(), path("out.txt").string()}, false);
        std::cerr.rdbuf(saved);
        EXPECT_EQ(status, 2);
        EXPECT_NE(errors.str().find("cannot write " + c.file + ": No space left"),
                  std::string::npos)
            << errors.str();
        EXPECT_EQ(read("out.txt"), "previous\n");
        EXPECT_EQ(fileCount(), 2u);
    }
}

// The child stops at its first write of the output; the parent then sends the signal.
int pipeToParent = -1;
int stopAtOutput(const std::string& file) {
    if (file.ends_with("out.txt")) {
        const char ready = 1;
        if (::write(pipeToParent, &ready, 1) == 1)
            for (;;)
                ::pause();
    }
    return 0;
}

TEST_F(Cleanup, SignalRemovesTheTemporaryOutput) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            pipeToParent = fds[1];
            dictconv::installSignalCleanup();
            dictconv::writeFault = stopAtOutput;
            std::ostringstream ignored;
            dictconv::convertTsv(path("in.tsv"), path("out.txt"), ignored);
            ::_exit(0);
        }
        ::close(fds[1]);
        char ready = 0;
        ASSERT_EQ(::read(fds[0], &ready, 1), 1);
        ::close(fds[0]);
        EXPECT_EQ(fileCount(), 3u); // the output's temporary file is there now
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(fileCount(), 2u);
        EXPECT_EQ(read("out.txt"), "previous\n");
    }
}

} // namespace
