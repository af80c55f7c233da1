// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictd_number.h"

#include <limits>

namespace dictconv {

namespace {

int digitValue(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

} // namespace

std::optional<std::uint64_t> decodeDictdNumber(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    constexpr std::uint64_t maxBeforeShift = std::numeric_limits<std::uint64_t>::max() >> 6;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || value > maxBeforeShift) return std::nullopt;
        value = (value << 6) | static_cast<std::uint64_t>(digit);
    }
    return value;
}

} // namespace dictconv
