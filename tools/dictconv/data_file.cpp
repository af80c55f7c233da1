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

int openPlainFile(const std::filesystem::path& path, std::string_view what, std::uint64_t* size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail(path, what, std::strerror(errno));
    struct stat info {};
    const char* why = ::fstat(fd, &info) != 0  ? std::strerror(errno)
                      : !S_ISREG(info.st_mode) ? "not a regular file"
                                               : nullptr;
    if (why) {
        ::close(fd);
        fail(path, what, why);
    }
    *size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

std::string readPlainFile(const std::filesystem::path& path, std::string_view what) {
    std::uint64_t size = 0;
    const int fd = openPlainFile(path, what, &size);
    const FdCloser closer{fd};

    std::string data;
    data.reserve(static_cast<std::size_t>(size));
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
