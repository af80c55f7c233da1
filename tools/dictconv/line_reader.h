// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "vocabrix_text/byte_source.h"
#include "vocabrix_text/line_reader.h"

namespace dictconv {

// Bytes read in order, with the position reached and the whole size, for the progress line.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes; 0 only at the end.
    virtual std::size_t read(char* into, std::size_t size) = 0;
    virtual std::uint64_t position() const = 0;
    virtual std::uint64_t size() const = 0;
};

// A regular file; a folder, pipe or device is refused rather than waited on. `what` names it
// in messages ("tab-separated file"). Throws ConvertError.
class FileSource : public ByteSource {
public:
    FileSource(const std::filesystem::path& path, std::string_view what);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t read(char* into, std::size_t size) override;
    std::uint64_t position() const override { return position_; }
    std::uint64_t size() const override { return size_; }
    void rewind();
    const std::string& name() const { return path_; }

private:
    std::string path_;
    std::string name_;
    int fd_ = -1;
    std::uint64_t position_ = 0, size_ = 0;
};

// UTF-16 text (little- or big-endian, after its byte order mark) read as UTF-8; a lone
// surrogate or a last odd byte becomes U+FFFD. Position and size are those of the source.
class Utf16Source : public ByteSource {
public:
    Utf16Source(ByteSource& source, bool bigEndian) : source_(source), bigEndian_(bigEndian) {}
    std::size_t read(char* into, std::size_t size) override;
    std::uint64_t position() const override { return source_.position(); }
    std::uint64_t size() const override { return source_.size(); }

private:
    ByteSource& source_;
    bool bigEndian_;
    std::string raw_;     // bytes read and not yet decoded
    std::string decoded_; // UTF-8 not yet handed out
    std::size_t handed_ = 0;
    bool ended_ = false;
};

// The longest line a conversion reads; a longer one is refused, which keeps its memory bounded.
inline constexpr std::size_t longestLine = std::size_t{16} << 20;

// Splits a source into lines at `end` (LF, or CR for files with CR line ends), through the
// text library's reader. A line keeps everything but its line end. A line of longestLine bytes
// or more is a ConvertError naming `name` and the line's number.
class LineReader {
public:
    explicit LineReader(ByteSource& source, char end = '\n', std::string name = "input");

    // The next line, valid until the following call; false at the end. `ended` tells whether
    // the line had its line end (the last one may not).
    bool next(std::string_view& line, bool& ended);
    // Bytes of the source consumed by the lines handed out so far.
    std::uint64_t position() const { return source_.position() - lines_.buffered(); }
    std::uint64_t lineNumber() const { return lineNumber_; }

private:
    // The text library's view of the source; read errors still arrive as ConvertError.
    class Bytes : public vocabrix::text::ByteSource {
    public:
        explicit Bytes(dictconv::ByteSource& source) : source_(source) {}
        std::ptrdiff_t read(char* data, std::size_t size) override {
            return static_cast<std::ptrdiff_t>(source_.read(data, size));
        }

    private:
        dictconv::ByteSource& source_;
    };

    [[noreturn]] void tooLong() const;

    ByteSource& source_;
    Bytes bytes_;
    std::string name_;
    vocabrix::text::LineReader lines_;
    std::uint64_t lineNumber_ = 0;
};

} // namespace dictconv
