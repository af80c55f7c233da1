// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace dictconv {

// Test seam: when set, every write of the converter asks it first, with the name of the file;
// a nonzero errno it returns fails that write.
extern int (*writeFault)(const std::string& file);

// Throws WriteError "cannot write NAME: why" when the seam or the system refuses the write.
void checkWriteFault(const std::string& name);

// The folder for temporary files: $TMPDIR when given, else the output's own folder.
std::filesystem::path temporaryFolder(const std::filesystem::path& output);

// A read-write file without a name, gone with its descriptor whatever ends the process.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& folder);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Appends at the end; returns the offset the bytes were written at.
    std::uint64_t append(std::string_view bytes);
    // Reads up to `size` bytes at `offset`; returns the count read (0 at the end).
    std::size_t readAt(char* into, std::size_t size, std::uint64_t offset) const;
    std::uint64_t size() const { return size_; }
    void clear();

private:
    std::string name_; // for messages: "temporary file in FOLDER"
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

} // namespace dictconv
