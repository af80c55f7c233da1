// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the scanner's bytes come from: a dictionary or request file, or memory (tests, fuzzing).

#include <cstddef>
#include <string>
#include <string_view>

namespace vocabrix::text {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into data: the count read, 0 at the end, -1 on a read error.
    virtual std::ptrdiff_t read(char* data, std::size_t size) = 0;
};

// A regular file opened for reading. Anything else (a folder, a device, a pipe) does not open,
// so a scan always meets an end.
class FileSource : public ByteSource {
public:
    // Links: a dictionary may be reached through a symbolic link; the exchange file may not.
    enum class Links { Follow, Refuse };
    explicit FileSource(const std::string& path, Links links = Links::Follow);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    std::ptrdiff_t read(char* data, std::size_t size) override;

private:
    int fd_ = -1;
};

// Bytes held in memory, handed out at most maxRead at a time to imitate short reads.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes,
                          std::size_t maxRead = static_cast<std::size_t>(-1))
        : bytes_(bytes), maxRead_(maxRead == 0 ? 1 : maxRead) {}
    std::ptrdiff_t read(char* data, std::size_t size) override;

private:
    std::string_view bytes_;
    std::size_t maxRead_;
};

// Hands out its bytes, then reports a read error (tests of the failure paths).
class FailingSource : public ByteSource {
public:
    explicit FailingSource(std::string_view bytes) : bytes_(bytes) {}
    std::ptrdiff_t read(char* data, std::size_t size) override;

private:
    std::string_view bytes_;
};

} // namespace vocabrix::text
