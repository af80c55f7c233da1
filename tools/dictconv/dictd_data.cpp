// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_data.h"

#include "convert_error.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string_view>
#include <sys/stat.h>
#include <thread>
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

namespace {

// Opens a gzip file without blocking, checked to be a regular file first: a pipe or device in
// its place would hang.
gzFile openGzip(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fail(path, "not a regular file");
    }
    gzFile file = gzdopen(fd, "rb");
    if (!file) {
        ::close(fd);
        fail(path, "out of memory");
    }
    gzbuffer(file, 1 << 18);
    return file;
}

// Up to `size` decompressed bytes; 0 at the end, after the stream's checks.
std::size_t readGzip(gzFile file, const std::filesystem::path& path, char* into, unsigned size) {
    const int got = gzread(file, into, size);
    if (got < 0) {
        int code = Z_OK;
        const char* message = gzerror(file, &code);
        fail(path, code == Z_ERRNO ? std::strerror(errno) : message);
    }
    if (gzdirect(file)) fail(path, "not gzip-compressed"); // before copying it all
    if (got > 0) return static_cast<std::size_t>(got);
    // A stream cut short reads without error but leaves this state behind.
    int code = Z_OK;
    const char* message = gzerror(file, &code);
    if (code != Z_OK) fail(path, message);
    return 0;
}

constexpr unsigned chunk = 1 << 18;

} // namespace

void decompressDictdData(const std::filesystem::path& path,
                         const std::function<void(std::string_view)>& sink) {
    GzHandle file(openGzip(path));
    const std::unique_ptr<char[]> block(new char[chunk]);
    while (const std::size_t got = readGzip(file.get(), path, block.get(), chunk))
        sink(std::string_view(block.get(), got));
    if (gzclose_r(file.release()) != Z_OK) fail(path, "truncated or damaged gzip stream");
}

// Decompresses on a thread of its own, a few blocks ahead of the reader, so that inflating
// and converting share the cores. Memory stays at a few blocks whatever the file's size.
class InflatedBlocks {
public:
    explicit InflatedBlocks(const std::filesystem::path& path)
        : path_(path), file_(openGzip(path)), thread_([this] { run(); }) {}
    ~InflatedBlocks() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
        if (file_) gzclose_r(file_);
    }
    InflatedBlocks(const InflatedBlocks&) = delete;
    InflatedBlocks& operator=(const InflatedBlocks&) = delete;

    // Appends the next block to `into`; false at the end. A damaged stream throws here, after
    // the blocks before it.
    bool next(std::string& into) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || ended_ || error_; });
        if (ready_.empty()) {
            if (error_) std::rethrow_exception(error_);
            return false;
        }
        std::string block = std::move(ready_.front());
        ready_.pop_front();
        lock.unlock();
        changed_.notify_all();
        into += block;
        return true;
    }
    // False when the stream ended cut short or damaged, which only its closing shows.
    bool closedCleanly() const { return closedCleanly_; }

private:
    void run() {
        try {
            for (;;) {
                std::string block(chunk, '\0');
                block.resize(readGzip(file_, path_, block.data(), chunk));
                std::unique_lock lock(mutex_);
                if (block.empty()) {
                    closedCleanly_ = gzclose_r(file_) == Z_OK;
                    file_ = nullptr;
                    ended_ = true;
                    break;
                }
                changed_.wait(lock, [this] { return stopping_ || ready_.size() < depth; });
                if (stopping_) return;
                ready_.push_back(std::move(block));
                lock.unlock();
                changed_.notify_all();
            }
        } catch (...) {
            const std::lock_guard lock(mutex_);
            error_ = std::current_exception();
        }
        changed_.notify_all();
    }

    static constexpr std::size_t depth = 4;
    std::filesystem::path path_;
    gzFile file_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> ready_;
    bool stopping_ = false, ended_ = false, closedCleanly_ = false;
    std::exception_ptr error_;
    std::thread thread_; // last: started when the rest is ready
};

DictdDataStream::DictdDataStream(const std::filesystem::path& path)
    : path_(path), blocks_(std::make_unique<InflatedBlocks>(path)) {}

DictdDataStream::~DictdDataStream() = default;

bool DictdDataStream::covers(std::uint64_t offset, std::uint64_t length) {
    front_ = std::max(front_, offset);
    while (offset + length > size())
        if (!more()) return false;
    return offset >= start_;
}

std::string_view DictdDataStream::at(std::uint64_t offset, std::uint64_t length) const {
    return std::string_view(window_).substr(static_cast<std::size_t>(offset - start_),
                                            static_cast<std::size_t>(length));
}

void DictdDataStream::finish() {
    front_ = size();
    while (more())
        front_ = size();
    if (!blocks_->closedCleanly()) fail(path_, "truncated or damaged gzip stream");
}

bool DictdDataStream::more() {
    if (ended_) return false;
    // Bytes before the latest offset are let go, once a block rather than once an entry.
    const std::uint64_t drop = std::min<std::uint64_t>(front_ - start_, window_.size());
    window_.erase(0, static_cast<std::size_t>(drop));
    start_ += drop;
    ended_ = !blocks_->next(window_);
    return !ended_;
}

} // namespace dictconv
