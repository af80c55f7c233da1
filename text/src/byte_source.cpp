// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vocabrix::text {

FileSource::FileSource(const std::string& path, Links links) {
    if (path.empty()) return;
    // Non-blocking, so that a pipe at the path cannot hold the open up.
    fd_ = ::open(path.c_str(),
                 O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0));
    if (fd_ < 0) return;
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileSource::~FileSource() {
    if (fd_ >= 0) ::close(fd_);
}

std::ptrdiff_t FileSource::read(char* data, std::size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, data, size);
        if (n >= 0 || errno != EINTR) return n < 0 ? -1 : n;
    }
}

std::ptrdiff_t MemorySource::read(char* data, std::size_t size) {
    const std::size_t n = std::min({size, maxRead_, bytes_.size()});
    if (n > 0) std::memcpy(data, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
}

std::ptrdiff_t FailingSource::read(char* data, std::size_t size) {
    if (bytes_.empty()) return -1;
    const std::size_t n = std::min(size, bytes_.size());
    std::memcpy(data, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
}

} // namespace vocabrix::text
