// SPDX-License-Identifier: GPL-3.0-or-later
// What each kind of output path gets: a path that is not a regular file is refused before the
// input is read; a link to a file is written through; a replaced file keeps its mode.
#include "cli.h"
#include "test_folder.h"

#include <functional>
#include <iostream>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using dictconv::test::TestFolder;

class OutputKinds : public TestFolder {};

void makeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.native().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST_F(OutputKinds, RefusedOrWrittenThroughAsTheirKindAsks) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make; // makes the output path
        bool refused;
        std::function<void(const fs::path&)> after; // checks what is there afterwards
    };
    const auto isLink = [](const fs::path& p) { EXPECT_TRUE(fs::is_symlink(p)) << p; };
    const auto linkTarget = [this](const fs::path& p) {
        ::symlink(path("target.txt").c_str(), p.c_str());
    };
    const Case cases[] = {
        {"link to a device", [](const fs::path& p) { fs::create_symlink("/dev/null", p); }, true,
         [&](const fs::path& p) {
             isLink(p);
             EXPECT_TRUE(fs::is_character_file("/dev/null"));
         }},
        {"FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, true,
         [](const fs::path& p) { EXPECT_TRUE(fs::is_fifo(p)); }},
        {"socket", makeSocket, true, [](const fs::path& p) { EXPECT_TRUE(fs::is_socket(p)); }},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, true,
         [](const fs::path& p) { EXPECT_TRUE(fs::is_directory(p)); }},
        {"dangling link", linkTarget, true,
         [&](const fs::path& p) {
             isLink(p);
             EXPECT_FALSE(fs::exists(path("target.txt")));
         }},
        {"missing folder", [](const fs::path&) {}, true, [](const fs::path&) {}},
        {"link to a file",
         [&](const fs::path& p) {
             write("target.txt", "previous\n");
             linkTarget(p);
         },
         false,
         [&](const fs::path& p) {
             isLink(p);
             EXPECT_EQ(read("target.txt"), "CASA\nhouse\n");
         }},
        {"read-only file",
         [](const fs::path& p) {
             std::ofstream(p) << "previous\n";
             fs::permissions(p, fs::perms(0444));
         },
         false,
         [](const fs::path& p) {
             EXPECT_EQ(fs::status(p).permissions(), fs::perms(0444));
             EXPECT_EQ(fs::file_size(p), 11u);
         }},
        {"name of 250 bytes", [](const fs::path&) {}, false,
         [](const fs::path& p) { EXPECT_EQ(fs::file_size(p), 11u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir_);
        fs::create_directory(dir_);
        const std::string name = c.name;
        const fs::path out = name == "missing folder"      ? path("missing/out.txt")
                             : name == "name of 250 bytes" ? path(std::string(250, 'n'))
                                                           : path("out");
        c.make(out);
        // A refused output is refused before the input, which here does not exist, is read.
        if (!c.refused) write("in.tsv", "casa\thouse\n");
        std::ostringstream errors, report;
        std::streambuf* savedErr = std::cerr.rdbuf(errors.rdbuf());
        std::streambuf* savedOut = std::cout.rdbuf(report.rdbuf());
        const int status =
            dictconv::runCommand({"tsv", path("in.tsv").string(), out.string()}, false);
        std::cerr.rdbuf(savedErr);
        std::cout.rdbuf(savedOut);
        EXPECT_EQ(status, c.refused ? 2 : 0) << errors.str();
        if (c.refused) {
            EXPECT_NE(errors.str().find("cannot write " + out.string() + ": "), std::string::npos)
                << errors.str();
        }
        c.after(out);
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".dictconv-"));
    }
}

} // namespace
