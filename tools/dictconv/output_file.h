// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace dictconv {

// Where an output named `target` is written, checked before any input is read: the file a
// symbolic link leads to, else `target` itself. A path that exists and is not a regular file
// (a folder, device, FIFO or socket), or a link that leads nowhere, is a WriteError.
std::filesystem::path outputDestination(const std::filesystem::path& target);

// A file written without a name (O_TMPFILE) in the destination's folder and given its name by
// commit(), so the destination never holds a half-written file and a killed process leaves
// nothing behind. Where the file system cannot do that, a temporary ".dictconv-PID-N.tmp" is
// used; those of processes that no longer run are removed by the next output into the folder.
// A replaced file keeps its permission bits. Every failure is a WriteError naming `target`.
class OutputFile {
public:
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::string_view text);
    void commit();

private:
    void openNamed();
    void giveName();
    void discard() noexcept;

    std::filesystem::path shown_;       // as the user gave it, for messages
    std::filesystem::path destination_; // the file that is replaced
    std::filesystem::path temporary_;   // empty while the file has no name
    int fd_ = -1;
    int mode_ = -1; // the replaced file's permission bits
    int slot_ = -1; // removed on a signal while it is there
};

} // namespace dictconv
