// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dictconv {

// What an MDict file's XML header tells: the format version (1.2 and 2.0 are read), the
// encryption flags (1: records need a registration key; 2: the key index is encrypted), the
// iconv name of the text encoding, and the title.
struct MdictHeader {
    double version = 0;
    unsigned encrypted = 0;
    std::string encoding = "UTF-8";
    std::string title;
};

// Parses the header's XML text (already UTF-8); `name` is used in messages. Throws ConvertError.
MdictHeader parseMdictHeader(std::string_view xml, const std::string& name);

// One compressed block: four bytes of compression type (0 stored, 1 LZO, 2 zlib), the
// big-endian Adler-32 of the unpacked bytes, then the bytes. Gives the unpacked bytes, which
// must be `size` long; `what` names the block in messages ("record block 3 of x.mdx").
// Throws ConvertError for a damaged block, a failed checksum or LZO.
std::string unpackMdictBlock(std::string_view block, std::uint64_t size, const std::string& what);

// Undoes the encryption of a version 2.0 key index (the header's Encrypted="2"): the bytes
// after the first eight, keyed by the RIPEMD-128 of the checksum bytes and 0x3695.
std::string decryptMdictIndex(std::string_view block);

// A big-endian number of `width` bytes (1, 2, 4 or 8) at `at`.
std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width);

} // namespace dictconv
