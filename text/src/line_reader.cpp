// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabrix_text/line_reader.h"

#include "vocabrix_text/line_ends.h"

#include <algorithm>
#include <cstring>

namespace vocabrix::text {

namespace {
// Bytes indexed at a time: small enough for the index to stay in the first-level cache.
constexpr std::size_t windowSize = 16 * 1024;

// The line ends of a file whose lines end with a byte other than LF.
std::size_t findByte(char end, const char* bytes, std::size_t size, std::uint32_t* ends) {
    std::size_t count = 0;
    const char* const stop = bytes + size;
    for (const char* at = bytes; at < stop; ++at) {
        at = static_cast<const char*>(std::memchr(at, end, static_cast<std::size_t>(stop - at)));
        if (at == nullptr) break;
        ends[count++] = static_cast<std::uint32_t>(at - bytes);
    }
    return count;
}

} // namespace

LineReader::LineReader(ByteSource& source, std::size_t blockSize, LineRules rules)
    : source_(source), rules_(rules), capacity_(std::max<std::size_t>(blockSize, 1)),
      ends_(new std::uint32_t[windowSize + lineEndsSlack]) {
    storage_.reset(new char[capacity_ + lineSlack]());
    data_ = storage_.get();
}

bool LineReader::nextSlow(std::string_view& line) {
    for (;;) {
        if (indexed_ < end_) {
            indexWindow();
            if (cursor_ < count_) {
                take(windowStart_ + ends_[cursor_++], line);
                return true;
            }
            continue;
        }
        // data_[begin_, end_) holds no LF: keep it and read on until a LF or the end turns up.
        if (atEnd_) {
            if (failed_ || begin_ == end_) return false;
            line = std::string_view(data_ + begin_, end_ - begin_);
            begin_ = end_;
            lastLineOpen_ = true;
            return true;
        }
        compact();
        if (rules_.longest != 0 && end_ >= rules_.longest) {
            tooLong_ = true;
            return false;
        }
        if (end_ == capacity_) grow();
        fill();
    }
}

bool LineReader::skipSlow() {
    bool lineSeen = false;
    for (;;) {
        if (indexed_ < end_) {
            indexWindow();
            if (cursor_ < count_) {
                begin_ = windowStart_ + ends_[cursor_++] + 1;
                return true;
            }
            continue;
        }
        // data_[begin_, end_) holds no LF: it is part of the line being skipped; drop it.
        lineSeen = lineSeen || begin_ < end_;
        dropped_ += end_;
        begin_ = end_ = indexed_ = 0;
        if (atEnd_) return lineSeen && !failed_;
        fill();
    }
}

std::string_view LineReader::wholeLines() {
    // Lines handed out one by one are indexed ahead; forget that index, next() makes it again.
    indexed_ = begin_;
    cursor_ = count_ = 0;
    if (!atEnd_ && end_ - begin_ < capacity_) {
        compact();
        while (!atEnd_ && end_ < capacity_)
            fill();
        indexed_ = begin_;
    }
    const std::size_t held = end_ - begin_;
    if (atEnd_ && !failed_) return {data_ + begin_, held};
    const void* last = held == 0 ? nullptr : ::memrchr(data_ + begin_, '\n', held);
    if (last == nullptr) return {};
    return {data_ + begin_,
            static_cast<std::size_t>(static_cast<const char*>(last) - data_) + 1 - begin_};
}

void LineReader::indexWindow() {
    const std::size_t size = std::min(windowSize, end_ - indexed_);
    windowStart_ = indexed_;
    count_ = rules_.end == '\n' ? lineEndFinder()(data_ + indexed_, size, ends_.get())
                                : findByte(rules_.end, data_ + indexed_, size, ends_.get());
    cursor_ = 0;
    indexed_ += size;
}

void LineReader::fill() {
    const std::ptrdiff_t n = source_.read(data_ + end_, capacity_ - end_);
    if (n > 0) {
        end_ += static_cast<std::size_t>(n);
    } else {
        atEnd_ = true;
        failed_ = n < 0;
    }
}

void LineReader::compact() {
    if (begin_ == 0) return;
    std::memmove(data_, data_ + begin_, end_ - begin_);
    dropped_ += begin_;
    end_ -= begin_;
    indexed_ -= begin_;
    begin_ = 0;
}

void LineReader::grow() {
    const std::size_t capacity = capacity_ * 2;
    std::unique_ptr<char[]> storage(new char[capacity + lineSlack]());
    std::memcpy(storage.get(), data_, end_);
    storage_ = std::move(storage);
    data_ = storage_.get();
    capacity_ = capacity;
}

} // namespace vocabrix::text
