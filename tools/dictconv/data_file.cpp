// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_file.h"

#include "convert_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dictconv {

namespace {

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

[[noreturn]] void fail(const std::filesystem::path& path, std::string_view what,
                       std::string_view why) {
    throw ConvertError("cannot read " + std::string(what) + " " + path.string() + ": " +
                       std::string(why));
}

} // namespace

std::string readPlainFile(const std::filesystem::path& path, std::string_view what) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail(path, what, std::strerror(errno));
    const FdCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) fail(path, what, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) fail(path, what, "not a regular file");

    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail(path, what, std::strerror(errno));
        if (got == 0) break;
        data.append(block, static_cast<std::size_t>(got));
    }
    return data;
}

bool isCompressedName(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".dz" || extension == ".gz";
}

} // namespace dictconv
