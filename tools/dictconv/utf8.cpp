// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

#include <cstdint>
#include <cstring>

namespace dictconv {

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& size) {
    if (text.empty()) return std::nullopt;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::uint8_t low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead < 0x80) {
        size = 1;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3, value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4, value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return std::nullopt;
    }
    if (text.size() < size) return std::nullopt;
    for (std::size_t i = 1; i < size; ++i) {
        const std::uint8_t b = byte(i);
        if (b < (i == 1 ? low : 0x80) || b > (i == 1 ? high : 0xBF)) return std::nullopt;
        value = (value << 6) | (b & 0x3F);
    }
    return value;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

Utf8Scan scanUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    bool ascii = true;
    while (p < end) {
        // Runs of ASCII eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        std::size_t size = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            size = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            size = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            size = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return Utf8Scan::Invalid;
        }
        if (static_cast<std::size_t>(end - p) < size || p[1] < low || p[1] > high)
            return Utf8Scan::Invalid;
        for (std::size_t i = 2; i < size; ++i)
            if ((p[i] & 0xC0) != 0x80) return Utf8Scan::Invalid;
        p += size;
        ascii = false;
    }
    return ascii ? Utf8Scan::Ascii : Utf8Scan::Valid;
}

namespace {

// 0x80 to 0x9F; zero where the code page defines nothing.
constexpr char16_t high1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

int windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (high1252[i] == c || (high1252[i] == 0 && c == static_cast<char32_t>(0x80 + i)))
            return 0x80 + i;
    }
    return -1;
}

std::string windows1252ToUtf8(std::string_view text) {
    const auto& high = high1252;
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0 && high[b - 0x80] != 0) {
            appendUtf8(out, high[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

} // namespace dictconv
