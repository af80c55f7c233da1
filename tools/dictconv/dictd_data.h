// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace dictconv {

// Reads a whole gzip-compressed dictd data file (".dict.dz") into memory. A missing file, data
// that is not gzip, a damaged or truncated stream are ConvertErrors.
std::string readDictdData(const std::filesystem::path& path);

} // namespace dictconv
