// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

#include "check_bytes.h"
#include "convert_error.h"
#include "line_checks.h"
#include "text_kind.h"

#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace dictconv {

namespace {

constexpr std::size_t blockSize = std::size_t{1} << 18;

class Input {
public:
    explicit Input(const std::filesystem::path& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) fail(std::strerror(errno));
        struct stat info {};
        if (::fstat(fd_, &info) != 0) fail(std::strerror(errno));
        if (!S_ISREG(info.st_mode)) fail("not a regular file");
        size_ = static_cast<std::size_t>(info.st_size);
    }
    ~Input() {
        if (fd_ >= 0) ::close(fd_);
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // Reads the next bytes of the file into `into`, which holds blockSize and the scans'
    // slack, zeroed after the bytes read; returns their count, 0 at the end.
    std::size_t read(char* into) {
        std::size_t have = 0;
        while (have < blockSize) {
            const ssize_t got = ::read(fd_, into + have, blockSize - have);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail(std::strerror(errno));
            if (got == 0) break;
            have += static_cast<std::size_t>(got);
        }
        std::memset(into + have, 0, scanSlack);
        return have;
    }
    std::size_t size() const { return size_; }

private:
    [[noreturn]] void fail(const std::string& why) {
        throw ConvertError("cannot read " + path_.string() + ": " + why);
    }
    std::filesystem::path path_;
    int fd_ = -1;
    std::size_t size_ = 0;
};

// A block of the file, its bytes followed by the scans' slack, and its masks.
struct Block {
    std::unique_ptr<char[]> bytes{new char[blockSize + scanSlack]};
    std::size_t size = 0;
    BlockMasks masks;
    std::string_view text() const { return {bytes.get(), size}; }
};

// Reads the file and indexes its blocks on a thread of its own, a few blocks ahead of the
// checks, so that reading, indexing and checking share the cores.
class BlockReader {
public:
    explicit BlockReader(const std::filesystem::path& path)
        : input_(path), thread_([this] { run(); }) {}
    ~BlockReader() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
    }
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    std::size_t size() const { return input_.size(); }
    // The next block, empty at the end; the block handed out before is given back.
    const Block& next() {
        std::unique_lock lock(mutex_);
        if (handed_ > released_) {
            ++released_;
            changed_.notify_all();
        }
        changed_.wait(lock, [this] { return produced_ > handed_ || error_; });
        if (produced_ == handed_) std::rethrow_exception(error_);
        return slots_[handed_++ % slotCount];
    }

private:
    void run() {
        for (;;) {
            Block* slot = nullptr;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock,
                              [this] { return stopping_ || produced_ - released_ < slotCount; });
                if (stopping_) return;
                slot = &slots_[produced_ % slotCount];
            }
            try {
                slot->size = input_.read(slot->bytes.get());
                slot->masks.index(slot->text());
            } catch (...) {
                const std::lock_guard lock(mutex_);
                error_ = std::current_exception();
                changed_.notify_all();
                return;
            }
            {
                const std::lock_guard lock(mutex_);
                ++produced_;
            }
            changed_.notify_all();
            if (slot->size == 0) return;
        }
    }

    static constexpr std::size_t slotCount = 4;
    Input input_;
    std::array<Block, slotCount> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t produced_ = 0, handed_ = 0, released_ = 0;
    bool stopping_ = false;
    std::exception_ptr error_;
    std::jthread thread_; // last: started when the rest is ready, joined first
};

// Splits blocks into lines as the scanner does: LF ends a line, a CR right before it is not
// part of it. Only the first bytes of a line over the limit are kept.
class LineSplitter {
public:
    explicit LineSplitter(LineChecks& checks) : checks_(checks) {}

    void feed(const Block& whole) {
        const std::string_view block = whole.text();
        const BlockMasks& masks = whole.masks;
        std::size_t at = 0;
        if (!start_.empty() || length_ != 0) {
            const std::size_t lf = masks.nextLf(0);
            append(block.substr(0, lf));
            if (lf == std::string_view::npos) return;
            emitGathered(true);
            at = lf + 1;
        }
        // The common case: the line lies inside the block.
        for (std::size_t lf; (lf = masks.nextLf(at)) != std::string_view::npos; at = lf + 1) {
            const std::size_t end = lf > at && block[lf - 1] == '\r' ? lf - 1 : lf;
            add(block.substr(at, end - at), masks.scan(at, end));
        }
        append(block.substr(at));
    }
    void end() {
        if (!start_.empty() || length_ != 0) emitGathered(false);
    }

private:
    // A line without its line end.
    void add(std::string_view text, const LineBytes& found) {
        const bool plainAscii = found.ascii && !found.nul && !found.cr;
        checks_.add(
            {text, text.size(), found.nul, found.cr, plainAscii, !found.ascii && found.utf8});
    }
    void append(std::string_view piece) {
        if (start_.size() <= longLineLimit) {
            start_.append(piece.substr(0, longLineLimit + 1 - start_.size()));
        }
        if (piece.empty()) return;
        nul_ = nul_ || std::memchr(piece.data(), '\0', piece.size()) != nullptr;
        for (const char c : piece)
            crs_ += c == '\r';
        lastCr_ = piece.back() == '\r';
        length_ += piece.size();
    }
    void emitGathered(bool endedByLf) {
        if (length_ <= longLineLimit && endedByLf) {
            std::string_view text = start_;
            if (text.ends_with('\r')) text.remove_suffix(1);
            add(text, scanLine(text));
        } else {
            // The last line has no line end, so a CR at its end stays in it.
            const bool dropCr = endedByLf && lastCr_;
            const std::string_view text = std::string_view(start_).substr(0, length_ - dropCr);
            checks_.add({text, length_ - dropCr, nul_, crs_ > std::size_t{dropCr}});
        }
        start_.clear();
        length_ = crs_ = 0;
        nul_ = lastCr_ = false;
    }

    LineChecks& checks_;
    std::string start_;
    std::size_t length_ = 0, crs_ = 0;
    bool nul_ = false, lastCr_ = false;
};

} // namespace

CheckSummary checkDictionary(const std::filesystem::path& path, std::ostream& report) {
    BlockReader reader(path);
    const Block* block = &reader.next();
    constexpr std::size_t sampleSize = 64 * 1024;
    const bool utf8 = guessUtf8(block->text().substr(0, sampleSize), reader.size() > sampleSize);
    LineChecks checks(path.string(), utf8, report);
    LineSplitter splitter(checks);
    while (block->size != 0) {
        splitter.feed(*block);
        block = &reader.next();
    }
    splitter.end();
    CheckSummary summary;
    summary.problems = checks.finish();
    summary.lines = checks.lines();
    return summary;
}

} // namespace dictconv
