// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/exchange_sink.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace lexscan {

namespace {

// Writes every byte of the two pieces, going on after short writes. False on any error.
bool writeAll(int fd, std::string_view first, std::string_view second) {
    iovec pieces[2] = {{const_cast<char*>(first.data()), first.size()},
                       {const_cast<char*>(second.data()), second.size()}};
    iovec* next = pieces;
    int count = 2;
    while (count > 0) {
        if (next->iov_len == 0) {
            ++next;
            --count;
            continue;
        }
        const ssize_t n = ::writev(fd, next, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        auto written = static_cast<std::size_t>(n);
        while (count > 0 && written >= next->iov_len) {
            written -= next->iov_len;
            ++next;
            --count;
        }
        if (count > 0) {
            next->iov_base = static_cast<char*>(next->iov_base) + written;
            next->iov_len -= written;
        }
    }
    return true;
}

} // namespace

bool ExchangeFileSink::takeChunk(std::uint32_t neighbourCount, std::string_view lines) {
    if (path_.empty()) return false;
    // Never written through a link that someone put in the file's place.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    struct stat before {};
    const bool sized = ::fstat(fd, &before) == 0;
    const std::string header = chunkHeader(neighbourCount);
    bool ok = writeAll(fd, header, lines);
    // Cut a partly written chunk off again, so the file ends after whole chunks.
    if (!ok && sized && S_ISREG(before.st_mode)) {
        while (::ftruncate(fd, before.st_size) != 0 && errno == EINTR) {
        }
    }
    if (::close(fd) != 0 && errno != EINTR) ok = false;
    return ok;
}

} // namespace lexscan
