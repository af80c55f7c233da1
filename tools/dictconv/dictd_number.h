// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dictconv {

// Decodes an offset or length of a dictd index: base64 digits (A-Z a-z 0-9 + /), most
// significant first. Empty text, a foreign character or a value beyond 64 bits give nothing.
std::optional<std::uint64_t> decodeDictdNumber(std::string_view digits);

} // namespace dictconv
