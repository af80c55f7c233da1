// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the fuzz targets that read a dictionary from a file: a folder of their own for the
// run, in memory where there is such a file system.

#include "fuzz_input.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace dictconv::fuzz {

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path path = [] {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "dictconv_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) fail("cannot make a temporary folder");
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return std::filesystem::path(pattern);
    }();
    return path;
}

inline std::filesystem::path writeScratch(const std::string& name, std::string_view bytes) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fail("cannot write an input file");
    return path;
}

} // namespace dictconv::fuzz
