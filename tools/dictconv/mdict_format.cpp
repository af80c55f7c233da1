// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdict_format.h"

#include "convert_error.h"
#include "ripemd128.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <zlib.h>

namespace dictconv {

namespace {

std::string unescapeXml(std::string_view text) {
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, c] : entities) {
            if (text.substr(i).starts_with(entity)) {
                out += c;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i];
    }
    return out;
}

// The attributes of the header's element: NAME="value".
std::map<std::string, std::string> attributes(std::string_view xml) {
    std::map<std::string, std::string> found;
    std::size_t at = 0;
    while ((at = xml.find("=\"", at)) != std::string_view::npos) {
        std::size_t start = at;
        while (start > 0 && std::isalnum(static_cast<unsigned char>(xml[start - 1])))
            --start;
        const std::size_t end = xml.find('"', at + 2);
        if (end == std::string_view::npos) break;
        found[std::string(xml.substr(start, at - start))] =
            unescapeXml(xml.substr(at + 2, end - at - 2));
        at = end + 1;
    }
    return found;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string iconvName(const std::string& encoding) {
    const std::string name = upper(encoding);
    if (name.empty() || name == "UTF8") return "UTF-8";
    if (name == "UTF-16" || name == "UTF16") return "UTF-16LE";
    if (name == "GBK" || name == "GB2312" || name == "GB18030") return "GB18030";
    return name;
}

} // namespace

MdictHeader parseMdictHeader(std::string_view xml, const std::string& name) {
    if (xml.find("<Dictionary") == std::string_view::npos)
        throw ConvertError(name + ": not an MDict dictionary (its header is no <Dictionary>)");
    const auto found = attributes(xml);
    MdictHeader header;
    const auto value = [&found](const char* key) {
        const auto it = found.find(key);
        return it == found.end() ? std::string() : it->second;
    };
    const std::string version = value("GeneratedByEngineVersion");
    header.version = std::strtod(version.c_str(), nullptr);
    if (header.version < 1 || header.version >= 3)
        throw ConvertError(name + ": MDict format version \"" + version +
                           "\" is not read (versions 1.2 and 2.0 are)");
    const std::string encrypted = upper(value("Encrypted"));
    header.encrypted = encrypted == "YES" ? 1 : std::atoi(encrypted.c_str()) & 3;
    header.encoding = iconvName(value("Encoding"));
    header.title = value("Title");
    if (header.title.starts_with("Title (No HTML code allowed)")) header.title.clear();
    return header;
}

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string unpackMdictBlock(std::string_view block, std::uint64_t size, const std::string& what) {
    if (block.size() < 8) throw ConvertError(what + " is cut short");
    const std::uint64_t type = bigEndian(block, 0, 4);
    const auto expected = static_cast<std::uint32_t>(bigEndian(block, 4, 4));
    const std::string_view data = block.substr(8);
    std::string out;
    if (type == 0) {
        if (data.size() != size) throw ConvertError(what + " has the wrong size");
        out = data;
    } else if (type == 0x02000000) {
        // zlib packs at most about 1032 to 1; a larger claim is damage, not a size to reserve
        if (size > data.size() * 1100 + 1024) throw ConvertError(what + " has the wrong size");
        out.resize(size);
        uLongf length = static_cast<uLongf>(size);
        const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                                      reinterpret_cast<const Bytef*>(data.data()),
                                      static_cast<uLong>(data.size()));
        if (status != Z_OK || length != size) throw ConvertError(what + " does not unpack");
    } else if (type == 0x01000000) {
        throw ConvertError(what + " is LZO-compressed, which dictconv does not read");
    } else {
        throw ConvertError(what + " has an unknown compression");
    }
    const auto sum = static_cast<std::uint32_t>(adler32(adler32(0, nullptr, 0),
                                                        reinterpret_cast<const Bytef*>(out.data()),
                                                        static_cast<uInt>(out.size())));
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (sum != expected) throw ConvertError(what + " fails its Adler-32 checksum");
#else
    (void)sum;
    (void)expected;
#endif
    return out;
}

std::string decryptMdictIndex(std::string_view block) {
    std::string out(block);
    if (out.size() < 8) return out;
    std::string seed(block.substr(4, 4));
    seed += std::string("\x95\x36\x00\x00", 4);
    const std::array<std::uint8_t, 16> key = ripemd128(seed);
    unsigned char previous = 0x36;
    for (std::size_t i = 8; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        const auto swapped = static_cast<unsigned char>((b >> 4) | (b << 4));
        const std::size_t n = i - 8;
        out[i] = static_cast<char>(swapped ^ previous ^ (n & 0xFF) ^ key[n % key.size()]);
        previous = b;
    }
    return out;
}

} // namespace dictconv
