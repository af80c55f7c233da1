// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace dictconv {

// Decompresses a gzip-compressed dictd data file (".dict.dz"), handing the bytes to `sink` a
// block at a time. A missing file, data that is not gzip, a damaged or truncated stream are
// ConvertErrors.
void decompressDictdData(const std::filesystem::path& path,
                         const std::function<void(std::string_view)>& sink);

} // namespace dictconv
