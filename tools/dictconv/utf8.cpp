// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

#include "vocabrix_text/utf8.h"

#include <cstdint>
#include <cstring>

namespace dictconv {

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& size) {
    if (text.empty()) return std::nullopt;
    const std::size_t length = vocabrix::text::utf8SequenceLength(text, 0);
    if (length == 0) return std::nullopt;
    // The sequence is known good: its lead's value bits, then six from each following byte.
    constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = static_cast<std::uint8_t>(text[0]) & leadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        value = (value << 6) | (static_cast<std::uint8_t>(text[i]) & 0x3F);
    size = length;
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
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    const auto* p = begin;
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
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const auto at = static_cast<std::size_t>(p - begin);
        const std::size_t size = vocabrix::text::utf8SequenceLength(text, at);
        if (size == 0) return Utf8Scan::Invalid;
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
