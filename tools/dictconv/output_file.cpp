// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_file.h"

#include "convert_error.h"
#include "signal_cleanup.h"
#include "temp_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace dictconv {

namespace {

std::string reason() {
    return std::strerror(errno);
}

} // namespace

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
    // O_EXCL with a fresh name per attempt: never write through someone else's file or link.
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        temporary_ = target_;
        temporary_ += ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            throw ConvertError("cannot create " + temporary_.string() + ": " + reason());
        }
        file_ = ::fdopen(fd, "wb");
        if (!file_) {
            const std::string why = reason();
            ::close(fd);
            ::unlink(temporary_.c_str());
            throw ConvertError("cannot write " + temporary_.string() + ": " + why);
        }
        slot_ = registerTemporary(temporary_.c_str());
    }
    if (!file_) throw ConvertError("cannot find a free temporary name beside " + target_.string());
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::write(std::string_view text) {
    if (!file_) throw ConvertError("output file " + target_.string() + " is already closed");
    checkWriteFault(target_.string());
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        throw WriteError("cannot write " + target_.string() + ": " + reason());
    }
}

void OutputFile::commit() {
    if (!file_) throw ConvertError("output file " + target_.string() + " is already closed");
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const std::string why = flushed ? std::string() : reason();
    if (std::fclose(file) != 0 || !flushed) {
        const std::string closeWhy = flushed ? reason() : why;
        ::unlink(temporary_.c_str());
        unregisterTemporary(slot_);
        throw WriteError("cannot write " + target_.string() + ": " + closeWhy);
    }
    const SignalBlock block; // a signal now would find the name moved or still there
    unregisterTemporary(slot_);
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const std::string renameWhy = reason();
        ::unlink(temporary_.c_str());
        throw WriteError("cannot rename " + temporary_.string() + " to " + target_.string() + ": " +
                         renameWhy);
    }
}

void OutputFile::discard() noexcept {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    ::unlink(temporary_.c_str());
    unregisterTemporary(slot_);
}

} // namespace dictconv
