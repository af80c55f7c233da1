// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A made-up sorted dictionary shaped like the German-English one: upper-case headwords of about
// 16 bytes (HAUS among them, at the start and inside), translation lines of about 195 bytes.

#include <cstddef>
#include <string>

namespace lexscan::bench {

// Writes `headwords` records to path; false when the file cannot be written.
bool writeSyntheticDictionary(const std::string& path, std::size_t headwords);

} // namespace lexscan::bench
