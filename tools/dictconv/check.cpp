// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

#include "check_bytes.h"
#include "convert_error.h"
#include "line_checks.h"
#include "text_kind.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
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

    // The next bytes of the file; empty at the end.
    std::string_view read() {
        // Not zero-filled, as it is read into; the slack after the bytes read is zeroed, as
        // the scans read whole chunks.
        if (!buffer_) buffer_.reset(new char[blockSize + scanSlack]);
        std::size_t have = 0;
        while (have < blockSize) {
            const ssize_t got = ::read(fd_, buffer_.get() + have, blockSize - have);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail(std::strerror(errno));
            if (got == 0) break;
            have += static_cast<std::size_t>(got);
        }
        std::memset(buffer_.get() + have, 0, scanSlack);
        return {buffer_.get(), have};
    }
    std::size_t size() const { return size_; }

private:
    [[noreturn]] void fail(const std::string& why) {
        throw ConvertError("cannot read " + path_.string() + ": " + why);
    }
    std::filesystem::path path_;
    int fd_ = -1;
    std::size_t size_ = 0;
    std::unique_ptr<char[]> buffer_;
};

// Splits blocks into lines as the scanner does: LF ends a line, a CR right before it is not
// part of it. Only the first bytes of a line over the limit are kept.
class LineSplitter {
public:
    explicit LineSplitter(LineChecks& checks) : checks_(checks) {}

    // The block must be followed by scanSlack readable bytes.
    void feed(std::string_view block) {
        masks_.index(block);
        std::size_t at = 0;
        if (!start_.empty() || length_ != 0) {
            const std::size_t lf = masks_.nextLf(0);
            append(block.substr(0, lf));
            if (lf == std::string_view::npos) return;
            emitGathered(true);
            at = lf + 1;
        }
        // The common case: the line lies inside the block.
        for (std::size_t lf; (lf = masks_.nextLf(at)) != std::string_view::npos; at = lf + 1) {
            const std::size_t end = lf > at && block[lf - 1] == '\r' ? lf - 1 : lf;
            add(block.substr(at, end - at), masks_.scan(at, end));
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
    BlockMasks masks_;
    std::string start_;
    std::size_t length_ = 0, crs_ = 0;
    bool nul_ = false, lastCr_ = false;
};

} // namespace

CheckSummary checkDictionary(const std::filesystem::path& path, std::ostream& report) {
    Input input(path);
    std::string_view block = input.read();
    constexpr std::size_t sampleSize = 64 * 1024;
    const bool utf8 =
        guessUtf8(std::string_view(block).substr(0, sampleSize), input.size() > sampleSize);
    LineChecks checks(path.string(), utf8, report);
    LineSplitter splitter(checks);
    while (!block.empty()) {
        splitter.feed(block);
        block = input.read();
    }
    splitter.end();
    CheckSummary summary;
    summary.problems = checks.finish();
    summary.lines = checks.lines();
    return summary;
}

} // namespace dictconv
