// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_file.h"

#include "convert_error.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dictconv {

int (*writeFault)(const std::string& file) = nullptr;

void checkWriteFault(const std::string& name) {
    if (!writeFault) return;
    if (const int error = writeFault(name))
        throw WriteError("cannot write " + name + ": " + std::strerror(error));
}

std::filesystem::path temporaryFolder(const std::filesystem::path& output) {
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir && *tmpdir) return tmpdir;
    const std::filesystem::path parent = output.parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
}

TemporaryFile::TemporaryFile(const std::filesystem::path& folder)
    : name_("temporary file in " + folder.string()) {
    fd_ = ::open(folder.c_str(), O_RDWR | O_TMPFILE | O_CLOEXEC, 0600);
    if (fd_ < 0 && errno != ENOENT && errno != EACCES && errno != EROFS && errno != ENOSPC) {
        // No O_TMPFILE on this file system: a named file, unlinked at once.
        std::string pattern = (folder / ".dictconv-XXXXXX").string();
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0) ::unlink(pattern.c_str());
    }
    if (fd_ < 0) throw WriteError("cannot create a " + name_ + ": " + std::strerror(errno));
}

TemporaryFile::~TemporaryFile() {
    ::close(fd_);
}

std::uint64_t TemporaryFile::append(std::string_view bytes) {
    checkWriteFault(name_);
    const std::uint64_t at = size_;
    while (!bytes.empty()) {
        const ssize_t done = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(size_));
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            throw WriteError("cannot write " + name_ + ": " +
                             std::strerror(done < 0 ? errno : ENOSPC));
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
        size_ += static_cast<std::uint64_t>(done);
    }
    return at;
}

std::size_t TemporaryFile::readAt(char* into, std::size_t size, std::uint64_t offset) const {
    for (;;) {
        const ssize_t got = ::pread(fd_, into, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw ConvertError("cannot read " + name_ + ": " + std::strerror(errno));
        return static_cast<std::size_t>(got);
    }
}

void TemporaryFile::clear() {
    if (::ftruncate(fd_, 0) != 0)
        throw WriteError("cannot write " + name_ + ": " + std::strerror(errno));
    size_ = 0;
}

} // namespace dictconv
