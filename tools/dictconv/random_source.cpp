// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include "convert_error.h"
#include "data_file.h"
#include "dictd_data.h"
#include "temp_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dictconv {

namespace {

constexpr std::size_t windowSize = std::size_t{1} << 20;

} // namespace

std::uint64_t dataBytesRead = 0;

namespace {

// Serves reads from a window of the file; most entries follow one another, so one read of
// the file serves many of them.
class WindowSource : public RandomSource {
public:
    std::string_view at(std::uint64_t offset, std::uint64_t length) override {
        if (offset >= start_ && offset - start_ + length <= window_.size())
            return std::string_view(window_).substr(offset - start_, length);
        std::string& into = length > windowSize ? large_ : window_;
        if (length > windowSize) {
            into.resize(length);
        } else {
            into.resize(
                static_cast<std::size_t>(std::min<std::uint64_t>(windowSize, size() - offset)));
            start_ = offset;
        }
        std::size_t done = 0;
        while (done < into.size()) {
            const std::size_t got = readAt(into.data() + done, into.size() - done, offset + done);
            if (got == 0) throw ConvertError("cannot read " + name_ + ": it became shorter");
            done += got;
            dataBytesRead += got;
        }
        return std::string_view(into).substr(0, length);
    }

protected:
    explicit WindowSource(std::string name) : name_(std::move(name)) {}
    virtual std::size_t readAt(char* into, std::size_t size, std::uint64_t offset) = 0;

    std::string name_;

private:
    std::string window_, large_;
    std::uint64_t start_ = 0;
};

class PlainSource : public WindowSource {
public:
    PlainSource(const std::filesystem::path& path, std::string_view what)
        : WindowSource(std::string(what) + " " + path.string()) {
        fd_ = openPlainFile(path, what, &size_);
    }
    ~PlainSource() override { ::close(fd_); }
    PlainSource(const PlainSource&) = delete;
    PlainSource& operator=(const PlainSource&) = delete;
    std::uint64_t size() const override { return size_; }

private:
    std::size_t readAt(char* into, std::size_t size, std::uint64_t offset) override {
        for (;;) {
            const ssize_t got = ::pread(fd_, into, size, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw ConvertError("cannot read " + name_ + ": " + std::strerror(errno));
            return static_cast<std::size_t>(got);
        }
    }

    int fd_ = -1;
    std::uint64_t size_ = 0;
};

class DecompressedSource : public WindowSource {
public:
    DecompressedSource(const std::filesystem::path& path, const std::filesystem::path& folder)
        : WindowSource("data file " + path.string()), file_(folder) {
        decompressDictdData(path, [this](std::string_view bytes) { file_.append(bytes); });
    }
    std::uint64_t size() const override { return file_.size(); }

private:
    std::size_t readAt(char* into, std::size_t size, std::uint64_t offset) override {
        return file_.readAt(into, size, offset);
    }

    TemporaryFile file_;
};

} // namespace

std::unique_ptr<RandomSource> openDataSource(const std::filesystem::path& path,
                                             std::string_view what,
                                             const std::filesystem::path& folder) {
    if (isCompressedName(path)) return std::make_unique<DecompressedSource>(path, folder);
    return std::make_unique<PlainSource>(path, what);
}

} // namespace dictconv
