// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library's one export: runs the search written at the top of the exchange file
// (lexscan::exchangeFilePath()) and appends its result chunks to that file.

#include <cstdint>

extern "C" std::int32_t MYFUNC(std::int32_t ignored);

namespace lexscan {

inline constexpr std::int32_t resultScanned = 0;      // the scan ran, every chunk appended
inline constexpr std::int32_t resultAppendFailed = 8; // a chunk could not be appended; stopped
inline constexpr std::int32_t resultNoDictionary = 9; // the dictionary does not open or read

} // namespace lexscan
