// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dictconv {

// The RIPEMD-128 digest of the bytes; MDict derives the key of an encrypted index from it.
std::array<std::uint8_t, 16> ripemd128(std::string_view bytes);

} // namespace dictconv
