// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace dictconv {

// Opens a regular file for reading and gives its descriptor, which the caller closes, and its
// size. A folder, pipe or device is refused rather than waited on. Throws ConvertError
// "cannot read <what> <path>: <why>".
int openPlainFile(const std::filesystem::path& path, std::string_view what, std::uint64_t* size);

// Reads a whole regular file; `what` names it in messages ("index file"). A folder, pipe or
// device is refused rather than waited on. Throws ConvertError.
std::string readPlainFile(const std::filesystem::path& path, std::string_view what);

// True for names of gzip or dictzip files (".dz", ".gz").
bool isCompressedName(const std::filesystem::path& path);

} // namespace dictconv
