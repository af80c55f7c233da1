// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dictconv {

// Bytes past the end of a block that BlockMasks reads; the buffer must hold them.
inline constexpr std::size_t scanSlack = 64;

// What a look at the bytes of a line finds.
struct LineBytes {
    bool nul = false;
    bool cr = false;
    bool ascii = true; // every byte below 0x80
    bool utf8 = true;  // well-formed UTF-8
};

// Looks at every byte of a line.
LineBytes scanLine(std::string_view text);

// Where the LF bytes of a block lie, and those that need a closer look (NUL, CR and bytes
// above 0x7F): one bit per byte, so that finding a line and knowing it to be plain ASCII cost
// a few word operations. A third mask marks where the bytes above 0x7F do not make plain
// UTF-8 sequences of two or three bytes (and NUL, CR, the leads of four-byte and of
// possibly overlong or surrogate sequences): a line without such bits is known to be UTF-8
// without decoding it; the others are decoded where their special bytes are.
class BlockMasks {
public:
    // Keeps a view of the block, and reads up to scanSlack bytes past it.
    void index(std::string_view block);
    // The first LF at or after `from`, or npos.
    std::size_t nextLf(std::size_t from) const;
    // What the line [from, to) of the block holds.
    LineBytes scan(std::size_t from, std::size_t to) const;

private:
    std::string_view block_;
    std::vector<std::uint64_t> lf_, special_, odd_;
};

} // namespace dictconv
