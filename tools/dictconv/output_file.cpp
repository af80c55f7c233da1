// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_file.h"

#include "convert_error.h"
#include "signal_cleanup.h"
#include "temp_file.h"
#include "temp_names.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace dictconv {

namespace {

namespace fs = std::filesystem;

constexpr int attempts = 100;

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

[[noreturn]] void refuse(const fs::path& shown, const std::string& why) {
    throw WriteError("cannot write " + shown.string() + ": " + why);
}

fs::path folderOf(const fs::path& file) {
    const fs::path parent = file.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

} // namespace

fs::path outputDestination(const fs::path& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) refuse(target, std::strerror(errno));
        // A new file: its folder must be there.
        if (::stat(folderOf(target).c_str(), &info) != 0)
            refuse(target, "cannot create it: " + std::string(std::strerror(errno)));
        if (!S_ISDIR(info.st_mode))
            refuse(target, "cannot create it: " + std::string(std::strerror(ENOTDIR)));
        if (::access(folderOf(target).c_str(), W_OK) != 0)
            refuse(target, "cannot create it: " + std::string(std::strerror(errno)));
        return target;
    }
    fs::path destination = target;
    if (S_ISLNK(info.st_mode)) {
        char* resolved = ::realpath(target.c_str(), nullptr);
        if (!resolved || ::stat(resolved, &info) != 0) {
            const std::string why = std::strerror(errno);
            std::free(resolved);
            refuse(target, "a symbolic link that leads nowhere (" + why + ")");
        }
        destination = resolved;
        std::free(resolved);
    }
    if (!S_ISREG(info.st_mode)) refuse(target, std::string("it is ") + kindOf(info.st_mode));
    // Replaced by a rename in its folder, which must take a new name.
    if (::access(folderOf(destination).c_str(), W_OK) != 0)
        refuse(target, "cannot replace it: " + std::string(std::strerror(errno)));
    return destination;
}

OutputFile::OutputFile(fs::path target)
    : shown_(std::move(target)), destination_(outputDestination(shown_)) {
    struct stat info {};
    if (::stat(destination_.c_str(), &info) == 0) mode_ = static_cast<int>(info.st_mode & 07777);
    const fs::path folder = folderOf(destination_);
    removeStaleTemporaries(folder);
    fd_ = ::open(folder.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
    if (fd_ >= 0) return;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        refuse(shown_, std::string("cannot create it: ") + std::strerror(errno));
    openNamed(); // this file system has no nameless files
}

void OutputFile::openNamed() {
    const fs::path folder = folderOf(destination_);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const fs::path name = temporaryName(folder, attempt);
        const SignalBlock block; // registered as soon as it exists
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = name;
            slot_ = registerTemporary(temporary_.c_str());
            return;
        }
        if (errno != EEXIST)
            refuse(shown_, "cannot create " + name.string() + ": " + std::strerror(errno));
    }
    refuse(shown_, "no free temporary name in " + folder.string());
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::write(std::string_view text) {
    if (fd_ < 0) throw ConvertError("output file " + shown_.string() + " is already closed");
    checkWriteFault(shown_.string());
    while (!text.empty()) {
        const ssize_t done = ::write(fd_, text.data(), text.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) refuse(shown_, std::strerror(done < 0 ? errno : ENOSPC));
        text.remove_prefix(static_cast<std::size_t>(done));
    }
}

void OutputFile::commit() {
    if (fd_ < 0) throw ConvertError("output file " + shown_.string() + " is already closed");
    if (::fsync(fd_) != 0) refuse(shown_, std::strerror(errno));
    if (mode_ >= 0 && ::fchmod(fd_, static_cast<mode_t>(mode_)) != 0)
        refuse(shown_, std::string("cannot keep its permissions: ") + std::strerror(errno));
    const SignalBlock block; // a signal now would find the name moved or still there
    if (temporary_.empty()) giveName();
    if (std::rename(temporary_.c_str(), destination_.c_str()) != 0)
        refuse(shown_, "cannot rename " + temporary_.string() + " to it: " + std::strerror(errno));
    unregisterTemporary(slot_);
    slot_ = -1;
    temporary_.clear();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) refuse(shown_, std::strerror(errno));
}

// Links the nameless file under a temporary name, the step before the rename.
void OutputFile::giveName() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    const fs::path folder = folderOf(destination_);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const fs::path name = temporaryName(folder, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
            (errno != ENOENT || ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) != 0)) {
            if (errno == EEXIST) continue;
            refuse(shown_, "cannot name " + name.string() + ": " + std::strerror(errno));
        }
        temporary_ = name;
        slot_ = registerTemporary(temporary_.c_str());
        return;
    }
    refuse(shown_, "no free temporary name in " + folder.string());
}

void OutputFile::discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (temporary_.empty()) return;
    const SignalBlock block;
    ::unlink(temporary_.c_str());
    unregisterTemporary(slot_);
    temporary_.clear();
}

} // namespace dictconv
