// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>

namespace dictconv {

// Lines longer than this are reported.
inline constexpr std::size_t longLineLimit = std::size_t{1} << 20;

struct CheckSummary {
    std::size_t lines = 0;
    std::size_t problems = 0;
};

// Reads a two-line dictionary as the scanner reads it and reports each problem on `report`
// as "FILE:LINE: what", then a one-line summary. Throws ConvertError when the file cannot be
// read (a folder, pipe or device included).
CheckSummary checkDictionary(const std::filesystem::path& path, std::ostream& report);

} // namespace dictconv
