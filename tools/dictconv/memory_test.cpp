// SPDX-License-Identifier: GPL-3.0-or-later
// The sort's memory bound holds under an address-space limit a little above its budget, on a
// shuffled input that takes several runs, and a line too long to hold is refused by number.
#include "cli.h"
#include "record_sorter.h"
#include "test_folder.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using dictconv::test::TestFolder;

class MemoryBound : public TestFolder {};

// The address space the process has now, from /proc.
std::uint64_t addressSpace() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;) {
        std::uint64_t kb = 0;
        if (word == "VmSize:" && status >> kb) return kb << 10;
    }
    return 0;
}

// The exit status of a conversion in a child whose address space may grow by `room` bytes.
int convertWithin(const std::vector<std::string>& args, std::uint64_t budget, std::uint64_t room) {
    const pid_t child = ::fork();
    if (child == 0) {
        dictconv::setSortMemory(budget);
        const std::uint64_t limit = addressSpace() + room;
        const rlimit rl{limit, limit};
        ::setrlimit(RLIMIT_AS, &rl);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO); // the "Wrote" line is not wanted
        ::_exit(dictconv::runCommand(args, false) == 0 ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(MemoryBound, ShuffledInputSortsWithinItsBudget) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves far more address space than it uses";
#endif
    // About 12 MB of records: one budget's records are two thirds of it, so several runs.
    constexpr std::uint64_t budget = std::uint64_t{12} << 20;
    std::vector<std::string> lines;
    for (int i = 0; i < 100000; ++i) {
        lines.push_back("word" + std::to_string(i) + "\t" + std::string(100, 'a' + i % 26) + " " +
                        std::to_string(i) + "\n");
    }
    std::shuffle(lines.begin(), lines.end(), std::mt19937(21));
    {
        std::ofstream out(path("in.tsv"), std::ios::binary);
        for (const std::string& line : lines)
            out << line;
    }
    // 18 MB is enough; buffers that grow by doubling need 30.
    constexpr std::uint64_t room = std::uint64_t{24} << 20;
    EXPECT_EQ(
        convertWithin({"tsv", path("in.tsv").string(), path("out.txt").string()}, budget, room), 0);
}

TEST_F(MemoryBound, LineTooLongToHoldIsRefusedByItsNumber) {
    for (const char* command : {"tsv", "check"}) {
        SCOPED_TRACE(command);
        std::string text = std::string(command) == "tsv" ? "casa\thouse\nzucca\t" : "CASA\n";
        text += std::string(std::size_t{16} << 20, 'x') + "\n";
        write("in.txt", text);
        std::ostringstream errors, report;
        std::streambuf* saved = std::cerr.rdbuf(errors.rdbuf());
        std::streambuf* savedOut = std::cout.rdbuf(report.rdbuf());
        std::vector<std::string> args{command, path("in.txt").string(), path("out.txt").string()};
        if (args[0] == "check") args.insert(args.begin() + 2, "--repair");
        const int status = dictconv::runCommand(args, false);
        std::cerr.rdbuf(saved);
        std::cout.rdbuf(savedOut);
        EXPECT_NE(status, 0);
        EXPECT_NE(errors.str().find("in.txt:2: line of 16 MB or more"), std::string::npos)
            << errors.str();
        EXPECT_FALSE(std::filesystem::exists(path("out.txt")));
    }
}

} // namespace
