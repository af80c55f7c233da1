// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_kind.h"

#include "upper_case.h"
#include "utf8.h"

namespace dictconv {

TextKind textKind(std::string_view text) {
    const Utf8Scan scan = scanUtf8(text);
    if (scan == Utf8Scan::Ascii) return TextKind::Ascii;
    if (scan == Utf8Scan::Valid) return TextKind::Utf8;
    for (const char c : text)
        if (isUndefinedIn1252(static_cast<unsigned char>(c))) return TextKind::Undefined;
    return TextKind::Cp1252;
}

bool guessUtf8(std::string_view sample, bool fileIsLonger) {
    std::size_t i = 0;
    while (i < sample.size()) {
        std::size_t size = 1;
        if (decodeUtf8(sample.substr(i), size)) {
            i += size;
            continue;
        }
        if (!fileIsLonger) return false;
        // Allowed only when the sample's end cuts off a sequence whose bytes are right so far.
        const auto lead = static_cast<unsigned char>(sample[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead < 0xC2 || lead > 0xF4 || sample.size() - i >= length) return false;
        for (std::size_t k = i + 1; k < sample.size(); ++k)
            if ((static_cast<unsigned char>(sample[k]) & 0xC0) != 0x80) return false;
        return true;
    }
    return true;
}

bool isUpperCase(std::string_view text, bool utf8) {
    if (!utf8) return upperCased(text, false) == text;
    std::size_t i = 0;
    while (i < text.size()) {
        const char byte = text[i];
        if (static_cast<unsigned char>(byte) < 0x80) {
            if (byte >= 'a' && byte <= 'z') return false;
            ++i;
            continue;
        }
        std::size_t size = 1;
        const auto c = decodeUtf8(text.substr(i), size);
        if (c && upperOf(*c) != *c) return false;
        i += c ? size : 1;
    }
    return true;
}

std::string upperCased(std::string_view text, bool utf8) {
    if (utf8) return toUpperUtf8(text);
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            continue;
        }
        const std::string decoded = windows1252ToUtf8(std::string_view(&c, 1));
        std::size_t size = 0;
        const auto character = decodeUtf8(decoded, size);
        if (!character) continue;
        const int upper = windows1252Byte(upperOf(*character));
        if (upper >= 0) c = static_cast<char>(upper);
    }
    return out;
}

} // namespace dictconv
