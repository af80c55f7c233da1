// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

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

constexpr std::size_t blockSize = std::size_t{1} << 22;

// True when the text is plain ASCII without NUL or CR, tested eight bytes at a time: most
// lines of a dictionary need no closer look.
bool isPlainAscii(std::string_view text) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL, highs = 0x8080808080808080ULL;
    const auto hasZero = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
    const char* p = text.data();
    std::size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if ((word & highs) | hasZero(word) | hasZero(word ^ (ones * '\r'))) return false;
    }
    for (; n > 0; ++p, --n)
        if (*p == '\0' || *p == '\r' || static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

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
        if (!buffer_) buffer_.reset(new char[blockSize]); // not zero-filled: it is read into
        std::size_t have = 0;
        while (have < blockSize) {
            const ssize_t got = ::read(fd_, buffer_.get() + have, blockSize - have);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail(std::strerror(errno));
            if (got == 0) break;
            have += static_cast<std::size_t>(got);
        }
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

    void feed(std::string_view block) {
        while (!block.empty()) {
            const std::size_t lf = block.find('\n');
            const std::string_view piece = block.substr(0, lf);
            if (lf != std::string_view::npos && start_.empty() && length_ == 0) {
                emitWhole(piece); // the common case: the line lies inside the block
            } else {
                append(piece);
                if (lf != std::string_view::npos) emitGathered(true);
            }
            block = lf == std::string_view::npos ? std::string_view{} : block.substr(lf + 1);
        }
    }
    void end() {
        if (!start_.empty() || length_ != 0) emitGathered(false);
    }

private:
    void emitWhole(std::string_view text) {
        CheckedLine line;
        if (text.ends_with('\r')) text.remove_suffix(1);
        line.text = text;
        line.length = text.size();
        line.plainAscii = isPlainAscii(text);
        if (!line.plainAscii) {
            line.nul = std::memchr(text.data(), '\0', text.size()) != nullptr;
            line.loneCr = std::memchr(text.data(), '\r', text.size()) != nullptr;
        }
        checks_.add(line);
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
            emitWhole(start_);
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
