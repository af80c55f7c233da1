// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_reader.h"

#include "convert_error.h"
#include "data_file.h"
#include "utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dictconv {

namespace {

constexpr std::size_t blockSize = std::size_t{1} << 20;

} // namespace

FileSource::FileSource(const std::filesystem::path& path, std::string_view what)
    : path_(path.string()), name_(std::string(what) + " " + path.string()) {
    fd_ = openPlainFile(path, what, &size_);
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileSource::~FileSource() {
    ::close(fd_);
}

std::size_t FileSource::read(char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, into, size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw ConvertError("cannot read " + name_ + ": " + std::strerror(errno));
        position_ += static_cast<std::uint64_t>(got);
        return static_cast<std::size_t>(got);
    }
}

void FileSource::rewind() {
    if (::lseek(fd_, 0, SEEK_SET) != 0)
        throw ConvertError("cannot read " + name_ + ": " + std::strerror(errno));
    position_ = 0;
}

std::size_t Utf16Source::read(char* into, std::size_t size) {
    while (handed_ == decoded_.size() && !ended_) {
        decoded_.clear();
        handed_ = 0;
        const std::size_t had = raw_.size();
        // a small file gets a small block: no megabyte to clear for a few bytes
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(
            blockSize, source_.size() - std::min(source_.size(), source_.position()) + 1));
        raw_.resize(had + want);
        const std::size_t got = source_.read(raw_.data() + had, want);
        raw_.resize(had + got);
        ended_ = got == 0;
        std::size_t i = 0;
        const auto unit = [this](std::size_t at) {
            const auto a = static_cast<unsigned char>(raw_[at]);
            const auto b = static_cast<unsigned char>(raw_[at + 1]);
            return static_cast<char32_t>(bigEndian_ ? a << 8 | b : b << 8 | a);
        };
        while (i + 2 <= raw_.size()) {
            const char32_t first = unit(i);
            if (first >= 0xD800 && first < 0xDC00) {
                if (i + 4 > raw_.size() && !ended_) break; // its pair comes with the next block
                const char32_t second = i + 4 <= raw_.size() ? unit(i + 2) : 0;
                if (second >= 0xDC00 && second < 0xE000) {
                    appendUtf8(decoded_, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                    i += 4;
                    continue;
                }
                appendUtf8(decoded_, 0xFFFD);
            } else if (first >= 0xDC00 && first < 0xE000) {
                appendUtf8(decoded_, 0xFFFD);
            } else {
                appendUtf8(decoded_, first);
            }
            i += 2;
        }
        raw_.erase(0, i);
        if (ended_ && !raw_.empty()) {
            appendUtf8(decoded_, 0xFFFD);
            raw_.clear();
        }
    }
    const std::size_t count = std::min(size, decoded_.size() - handed_);
    std::memcpy(into, decoded_.data() + handed_, count);
    handed_ += count;
    return count;
}

namespace {

// A small file gets a buffer of its size, not a whole block.
std::size_t firstBlock(const ByteSource& source) {
    const std::uint64_t left =
        source.size() > source.position() ? source.size() - source.position() : 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, left + 4096));
}

} // namespace

LineReader::LineReader(ByteSource& source, char end, std::string name)
    : source_(source), bytes_(source), name_(std::move(name)),
      lines_(bytes_, firstBlock(source), {end, false, longestLine}) {}

void LineReader::tooLong() const {
    throw ConvertError(name_ + ":" + std::to_string(lineNumber_ + 1) + ": line of " +
                       std::to_string(longestLine >> 20) +
                       " MB or more; dictconv converts shorter lines only");
}

bool LineReader::next(std::string_view& line, bool& ended) {
    if (!lines_.next(line)) {
        if (lines_.tooLong()) tooLong();
        return false;
    }
    if (line.size() >= longestLine) tooLong();
    ended = !lines_.lastLineOpen();
    ++lineNumber_;
    return true;
}

} // namespace dictconv
