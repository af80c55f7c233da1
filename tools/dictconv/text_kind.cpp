// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_kind.h"

#include "upper_case.h"
#include "utf8.h"
#include "vocabrix_text/utf8.h"

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
    for (std::size_t i = 0; i < sample.size();) {
        const int length = vocabrix::text::utf8Sequence(sample, i);
        if (length > 0) {
            i += static_cast<std::size_t>(length);
            continue;
        }
        // Allowed only when the sample's end cuts off a sequence whose bytes are right so far.
        return fileIsLonger && length == vocabrix::text::cutShort;
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
