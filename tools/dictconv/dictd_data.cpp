// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_data.h"

#include "convert_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace dictconv {

namespace {

struct GzCloser {
    void operator()(gzFile file) const { gzclose_r(file); }
};
using GzHandle = std::unique_ptr<gzFile_s, GzCloser>;

[[noreturn]] void fail(const std::filesystem::path& path, std::string_view why) {
    // zlib's messages start with the file name, which the message already holds.
    const std::string prefix = path.string() + ": ";
    if (why.starts_with(prefix)) why.remove_prefix(prefix.size());
    throw ConvertError("cannot read data file " + path.string() + ": " + std::string(why));
}

} // namespace

void decompressDictdData(const std::filesystem::path& path,
                         const std::function<void(std::string_view)>& sink) {
    // Opened without blocking and checked first: a pipe or device in its place would hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fail(path, "not a regular file");
    }
    GzHandle file(gzdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        fail(path, "out of memory");
    }
    gzbuffer(file.get(), 1 << 18);

    constexpr unsigned chunk = 1 << 18;
    const std::unique_ptr<char[]> block(new char[chunk]);
    for (;;) {
        const int got = gzread(file.get(), block.get(), chunk);
        if (got < 0) {
            int code = Z_OK;
            const char* message = gzerror(file.get(), &code);
            fail(path, code == Z_ERRNO ? std::strerror(errno) : message);
        }
        if (got == 0) break;
        if (gzdirect(file.get())) fail(path, "not gzip-compressed"); // before copying it all
        sink(std::string_view(block.get(), static_cast<std::size_t>(got)));
    }
    // A stream cut short reads without error but leaves this state behind.
    int code = Z_OK;
    const char* message = gzerror(file.get(), &code);
    if (code != Z_OK) fail(path, message);
    if (gzdirect(file.get())) fail(path, "not gzip-compressed");
    if (gzclose_r(file.release()) != Z_OK) fail(path, "truncated or damaged gzip stream");
}

} // namespace dictconv
