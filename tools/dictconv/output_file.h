// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace dictconv {

// A file written through a temporary file in the same folder and renamed into place by
// commit(), so the target never holds a half-written file. Without commit() the temporary
// file is removed and the target is left as it was.
class OutputFile {
public:
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::string_view text);
    void commit();

private:
    void discard() noexcept;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    int slot_ = -1; // removed on a signal while it is there
};

} // namespace dictconv
