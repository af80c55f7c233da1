#include "upper_case.h"

#include <cstdint>
#include <locale.h>
#include <optional>
#include <wctype.h>

namespace dictconv {

namespace {

// Letters whose upper case is more than one letter; towupper leaves them alone.
std::string_view multiLetterUpper(char32_t c) {
    switch (c) {
    case U'\u00DF':
        return "SS";
    case U'\u0149':
        return "\u02BCN";
    case U'\u01F0':
        return "J\u030C";
    case U'\uFB00':
        return "FF";
    case U'\uFB01':
        return "FI";
    case U'\uFB02':
        return "FL";
    case U'\uFB03':
        return "FFI";
    case U'\uFB04':
        return "FFL";
    case U'\uFB05':
    case U'\uFB06':
        return "ST";
    default:
        return {};
    }
}

locale_t utf8Locale() {
    // Null when no UTF-8 locale exists; then only ASCII letters and the table above change.
    static const locale_t locale = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
        if (!l) l = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", locale_t{});
        return l;
    }();
    return locale;
}

char32_t upperOfNonAscii(char32_t c) {
    const locale_t locale = utf8Locale();
    if (!locale) return c;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

// Decodes one well-formed UTF-8 sequence at the start of text (no overlong forms, no
// surrogates, nothing past U+10FFFF) and stores its length in size.
std::optional<char32_t> decodeOne(std::string_view text, std::size_t& size) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::uint8_t low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
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

} // namespace

std::string toUpperUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char byte = text[i];
        if (static_cast<std::uint8_t>(byte) < 0x80) {
            out += (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A') : byte;
            ++i;
            continue;
        }
        std::size_t size = 1;
        const std::optional<char32_t> c = decodeOne(text.substr(i), size);
        if (!c) {
            out += byte;
            ++i;
            continue;
        }
        if (const std::string_view several = multiLetterUpper(*c); !several.empty()) {
            out += several;
        } else {
            appendUtf8(out, upperOfNonAscii(*c));
        }
        i += size;
    }
    return out;
}

} // namespace dictconv
