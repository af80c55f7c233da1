// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

#include "convert_error.h"
#include "line_checks.h"
#include "text_kind.h"
#include "utf8.h"

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
constexpr std::size_t chunkSlack = 16;

// What one pass over the bytes of a line finds.
struct LineBytes {
    bool nul = false;
    bool cr = false;
    bool ascii = true; // every byte below 0x80
    bool utf8 = true;  // well-formed UTF-8
};

using Chunk = signed char __attribute__((vector_size(16)));

Chunk load(const unsigned char* p) {
    Chunk bytes;
    std::memcpy(&bytes, p, sizeof bytes);
    return bytes;
}

bool any(Chunk hits) {
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// Whether the first `count` bytes at `p` (at most 16; 16 are read) are ASCII other than NUL
// and CR, as most of a dictionary is. Bytes above 0x7F are negative here.
[[gnu::always_inline]] inline bool isAsciiChunk(const unsigned char* p, std::ptrdiff_t count) {
    static constexpr Chunk index = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const Chunk bytes = load(p);
    Chunk hits = (bytes < 1) | (bytes == '\r');
    if (count < 16) hits &= index < static_cast<signed char>(count);
    return !any(hits);
}

// Whether the 16 bytes at `p`, which starts a character, are ASCII other than NUL and CR, and
// well-formed two-byte UTF-8 sequences (the accented Latin letters of most dictionaries). The
// 17th byte is read too, as a sequence that begins at the 16th byte ends there; `extra` tells
// whether it does.
bool isTwoByteChunk(const unsigned char* p, Chunk& high, bool& extra) {
    const Chunk bytes = load(p), next = load(p + 1);
    const Chunk special = (bytes == 0) | (bytes == '\r');
    const Chunk nonAscii = bytes < 0;
    const Chunk first = {-1};
    const Chunk lead = (bytes >= -62) & (bytes <= -33);      // 0xC2 to 0xDF
    const Chunk trail = bytes < -64, trailNext = next < -64; // 0x80 to 0xBF
    // Each lead is followed by one trail byte, and each trail byte follows a lead.
    const Chunk wrong =
        special | (nonAscii & ~lead & ~trail) | (lead ^ trailNext) | (trail & first);
    if (any(wrong)) return false;
    high |= nonAscii;
    extra = p[15] >= 0xC2 && p[15] <= 0xDF;
    return true;
}

// Takes the character at `p` into `found` and returns where the next one starts. A byte that
// starts no well-formed sequence is taken alone.
const unsigned char* takeCharacter(const unsigned char* p, const unsigned char* end,
                                   LineBytes& found) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
        found.nul = found.nul || lead == 0;
        found.cr = found.cr || lead == '\r';
        return p + 1;
    }
    found.ascii = false;
    std::size_t size = 1;
    const auto* const text = reinterpret_cast<const char*>(p);
    if (found.utf8 && decodeUtf8({text, static_cast<std::size_t>(end - p)}, size)) return p + size;
    found.utf8 = false;
    return p + 1;
}

// One pass over the bytes of a line. With `readPast`, the 16 bytes after the line may be read.
LineBytes scanLine(std::string_view text, bool readPast) {
    LineBytes found;
    Chunk high{};
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (end - p > 16) {
        bool extra = false;
        if (isAsciiChunk(p, 16)) {
            p += 16;
        } else if (isTwoByteChunk(p, high, extra)) {
            p += 16 + extra;
        } else {
            for (const auto* const stop = p + 16; p < stop;)
                p = takeCharacter(p, end, found);
        }
    }
    if (p < end && !(readPast && isAsciiChunk(p, end - p))) {
        // The last bytes, padded with spaces to a whole chunk.
        unsigned char tail[17];
        std::memset(tail, ' ', sizeof tail);
        std::memcpy(tail, p, static_cast<std::size_t>(end - p));
        bool extra = false;
        if (!isTwoByteChunk(tail, high, extra)) {
            while (p < end)
                p = takeCharacter(p, end, found);
        }
    }
    found.ascii = found.ascii && !any(high);
    return found;
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
        // Not zero-filled, as it is read into; the bytes after those read are zeroed, as a
        // line's last chunk may be read whole.
        if (!buffer_) buffer_.reset(new char[blockSize + chunkSlack]);
        std::size_t have = 0;
        while (have < blockSize) {
            const ssize_t got = ::read(fd_, buffer_.get() + have, blockSize - have);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail(std::strerror(errno));
            if (got == 0) break;
            have += static_cast<std::size_t>(got);
        }
        std::memset(buffer_.get() + have, 0, chunkSlack);
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
                emitWhole(piece, true); // the common case: the line lies inside the block
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
    void emitWhole(std::string_view text, bool inBlock) {
        CheckedLine line;
        if (text.ends_with('\r')) text.remove_suffix(1);
        line.text = text;
        line.length = text.size();
        const LineBytes found = scanLine(text, inBlock);
        line.nul = found.nul;
        line.loneCr = found.cr;
        line.plainAscii = found.ascii && !found.nul && !found.cr;
        line.utf8 = !found.ascii && found.utf8;
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
            emitWhole(start_, false);
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
