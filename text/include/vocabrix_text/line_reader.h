// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a byte source into lines. A line ends with LF (or the byte LineRules names); a CR
// directly before the LF is not part of the line unless the rules keep it; the last line needs no
// line end, and a line end at the very end of the input does not start another line.
//
// The LFs are found a window at a time (one vector pass, see line_ends.h) and handed out from
// that index, so a line costs an array step rather than a search of its own.
//
// Invariants:
//   data_[begin_, end_)      bytes read but not yet handed out, end_ <= capacity_.
//   data_[begin_, indexed_)  holds exactly the LFs at windowStart_ + ends_[cursor_, count_);
//                            data_[indexed_, end_) is not yet indexed.
//   The buffer is compacted or grown only when no indexed LF is pending. It starts at the block
//   size and grows only for a line that next() must return whole; skip() never grows it.
//   A line returned by next() stays valid until the following call of next() or skip(), and at
//   least lineSlack readable bytes follow it (for vector compares that may read past its end).

#include "vocabrix_text/byte_source.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace vocabrix::text {

// How a reader other than the scanner's splits lines (the dictionary tool's files).
struct LineRules {
    char end = '\n';    // the byte that ends a line: LF, or CR for files with CR line ends
    bool dropCr = true; // a CR right before a LF line end is not part of the line
    // The buffer is not grown to hold more than this many bytes of one unfinished line: next()
    // then returns false and tooLong() is true. 0: no limit.
    std::size_t longest = 0;
};

class LineReader {
public:
    static constexpr std::size_t defaultBlockSize = 256 * 1024;
    static constexpr std::size_t lineSlack = 64;

    // blockSize: the bytes asked of the source at a time (tests use tiny sizes); 0 counts as 1.
    explicit LineReader(ByteSource& source, std::size_t blockSize = defaultBlockSize,
                        LineRules rules = {});

    // The next line without its line end. False when no line is left or reading failed.
    bool next(std::string_view& line) {
        if (cursor_ < count_) {
            take(windowStart_ + ends_[cursor_++], line);
            return true;
        }
        return nextSlow(line);
    }

    // Moves past the next line without holding it, however long it is. False when no line is
    // left or reading failed.
    bool skip() {
        if (cursor_ < count_) {
            begin_ = windowStart_ + ends_[cursor_++] + 1;
            return true;
        }
        return skipSlow();
    }

    // Whole lines not yet handed out, for a caller that splits them itself: from the start of
    // the next line up to and including the last LF held, or at the end of the input every
    // byte left. Tops the buffer up first. Empty when no whole line fits the buffer (then
    // next() or skip() takes that line) or no line is left. At least lineSlack readable bytes
    // follow the view. Valid until the next call of any member but consume().
    std::string_view wholeLines();
    // Moves past the first `bytes` bytes of what wholeLines() returned, a line start.
    void consume(std::size_t bytes) {
        begin_ += bytes;
        indexed_ = begin_;
    }

    // True once the source reported a read error; next() and skip() then return false.
    bool failed() const { return failed_; }

    // True once next() stopped at a line longer than LineRules::longest.
    bool tooLong() const { return tooLong_; }
    // True once next() handed out a last line that had no line end.
    bool lastLineOpen() const { return lastLineOpen_; }

    std::size_t capacity() const { return capacity_; }
    // Bytes read from the source and not yet handed out or skipped.
    std::size_t buffered() const { return end_ - begin_; }

    // Bytes of the source taken up by the lines handed out or skipped so far.
    std::uint64_t position() const { return dropped_ + begin_; }

private:
    void take(std::size_t lf, std::string_view& line) {
        std::size_t length = lf - begin_;
        if (rules_.dropCr && length > 0 && data_[lf - 1] == '\r') --length;
        line = std::string_view(data_ + begin_, length);
        begin_ = lf + 1;
    }
    bool nextSlow(std::string_view& line);
    bool skipSlow();
    void indexWindow();
    void fill();
    void compact();
    void grow();

    ByteSource& source_;
    LineRules rules_;
    std::unique_ptr<char[]> storage_;
    char* data_;
    std::size_t capacity_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t indexed_ = 0;
    std::unique_ptr<std::uint32_t[]> ends_;
    std::size_t windowStart_ = 0;
    std::size_t cursor_ = 0;
    std::size_t count_ = 0;
    std::uint64_t dropped_ = 0; // source bytes before data_[0]
    bool atEnd_ = false;
    bool failed_ = false;
    bool tooLong_ = false;
    bool lastLineOpen_ = false;
};

} // namespace vocabrix::text
