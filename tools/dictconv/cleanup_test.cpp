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
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <sstream>
#include <sys/resource.h>
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

// Runs `body` in a child with stderr into a pipe; returns its wait status and what it wrote.
std::pair<int, std::string> inChild(const std::function<int()>& body, int signal) {
    int ready[2], errors[2];
    if (::pipe(ready) != 0 || ::pipe(errors) != 0) return {-1, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        ::close(errors[0]);
        ::dup2(errors[1], STDERR_FILENO);
        pipeToParent = ready[1];
        dictconv::installSignalCleanup();
        if (signal) dictconv::writeFault = stopAtOutput;
        ::_exit(body());
    }
    ::close(ready[1]);
    ::close(errors[1]);
    char byte = 0;
    if (signal && ::read(ready[0], &byte, 1) == 1) ::kill(child, signal);
    std::string text;
    char block[4096];
    for (ssize_t got; (got = ::read(errors[0], block, sizeof block)) > 0;)
        text.append(block, static_cast<std::size_t>(got));
    ::close(ready[0]);
    ::close(errors[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {status, text};
}

// Signals, a file-size limit and a standard output that cannot be written, each in a child:
// the previous output stays as it was, nothing is left beside it, and the end is the signal's
// or exit 2 with a message.
TEST_F(Cleanup, ChildEndsCleanlyWhateverStopsIt) {
    struct Case {
        const char* name;
        int signal;                   // sent at the first write of the output, or 0
        std::function<void()> before; // in the child, before the conversion
        const char* message;          // for an exit 2
    };
    const Case cases[] = {
        {"SIGINT", SIGINT, [] {}, ""},
        {"SIGTERM", SIGTERM, [] {}, ""},
        {"SIGHUP", SIGHUP, [] {}, ""},
        {"SIGKILL", SIGKILL, [] {}, ""},
        {"file-size limit", 0,
         [] {
             const rlimit limit{20000, 20000};
             ::setrlimit(RLIMIT_FSIZE, &limit);
         },
         "File too large"},
        {"standard output full", 0,
         [] {
             const int full = ::open("/dev/full", O_WRONLY);
             ::dup2(full, STDOUT_FILENO);
         },
         "cannot write standard output: No space left"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [status, errors] = inChild(
            [&] {
                c.before();
                return dictconv::runCommand(
                    {"tsv", path("in.tsv").string(), path("out.txt").string()}, false);
            },
            c.signal);
        if (c.signal) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
            EXPECT_EQ(read("out.txt"), "previous\n");
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status << errors;
            EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
        }
        EXPECT_EQ(fileCount(), 2u);
        write("out.txt", "previous\n");
    }
}

// A temporary name left by a process that no longer runs is removed by the next output into
// its folder; one of a running process stays.
TEST_F(Cleanup, StaleTemporaryOfADeadProcessIsRemoved) {
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string stale = ".dictconv-" + std::to_string(dead) + "-0.tmp";
    const std::string live = ".dictconv-1-0.tmp";
    write(stale, "left by a killed run");
    write(live, "still being written");
    std::ostringstream ignored;
    dictconv::convertTsv(path("in.tsv"), path("out.txt"), ignored);
    EXPECT_FALSE(std::filesystem::exists(path(stale)));
    EXPECT_TRUE(std::filesystem::exists(path(live)));
}

} // namespace
