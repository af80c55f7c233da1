// SPDX-License-Identifier: GPL-3.0-or-later
#include "ripemd128.h"

#include <string>

namespace dictconv {

namespace {

// Word order and rotations of the four rounds, left line then right line.
constexpr std::uint8_t wordLeft[64] = {0, 1,  2,  3,  4,  5,  6,  7, 8,  9, 10, 11, 12, 13, 14, 15,
                                       7, 4,  13, 1,  10, 6,  15, 3, 12, 0, 9,  5,  2,  14, 11, 8,
                                       3, 10, 14, 4,  9,  15, 8,  1, 2,  7, 0,  6,  13, 11, 5,  12,
                                       1, 9,  11, 10, 0,  8,  12, 4, 13, 3, 7,  15, 14, 5,  6,  2};
constexpr std::uint8_t wordRight[64] = {
    5,  14, 7,  0,  9, 2,  11, 4, 13, 6,  15, 8, 1, 10, 3, 12, 6, 11, 3,  7, 0,  13,
    5,  10, 14, 15, 8, 12, 4,  9, 1,  2,  15, 5, 1, 3,  7, 14, 6, 9,  11, 8, 12, 2,
    10, 0,  4,  13, 8, 6,  4,  1, 3,  11, 15, 0, 5, 12, 2, 13, 9, 7,  10, 14};
constexpr std::uint8_t shiftLeft[64] = {
    11, 14, 15, 12, 5,  8,  7,  9,  11, 13, 14, 15, 6, 7,  9,  8, 7,  6,  8,  13, 11, 9,
    7,  15, 7,  12, 15, 9,  11, 7,  13, 12, 11, 13, 6, 7,  14, 9, 13, 15, 14, 8,  13, 6,
    5,  12, 7,  5,  11, 12, 14, 15, 14, 15, 9,  8,  9, 14, 5,  6, 8,  6,  5,  12};
constexpr std::uint8_t shiftRight[64] = {
    8,  9,  9, 11, 13, 15, 15, 5,  7,  7,  8, 11, 14, 14, 12, 6, 9,  13, 15, 7,  12, 8,
    9,  11, 7, 7,  12, 7,  6,  15, 13, 11, 9, 7,  15, 11, 8,  6, 6,  14, 12, 13, 5,  14,
    13, 13, 7, 5,  15, 5,  8,  11, 14, 14, 6, 14, 6,  9,  12, 9, 12, 5,  15, 8};
constexpr std::uint32_t constLeft[4] = {0, 0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC};
constexpr std::uint32_t constRight[4] = {0x50A28BE6, 0x5C4DD124, 0x6D703EF3, 0};

std::uint32_t rotate(std::uint32_t x, unsigned n) {
    return (x << n) | (x >> (32 - n));
}

std::uint32_t mix(unsigned round, std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    switch (round) {
    case 0:
        return x ^ y ^ z;
    case 1:
        return (x & y) | (~x & z);
    case 2:
        return (x | ~y) ^ z;
    default:
        return (x & z) | (y & ~z);
    }
}

void compress(std::uint32_t (&h)[4], const unsigned char* block) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = std::uint32_t(block[4 * i]) | std::uint32_t(block[4 * i + 1]) << 8 |
               std::uint32_t(block[4 * i + 2]) << 16 | std::uint32_t(block[4 * i + 3]) << 24;
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3];
    std::uint32_t a2 = h[0], b2 = h[1], c2 = h[2], d2 = h[3];
    for (unsigned j = 0; j < 64; ++j) {
        const unsigned round = j / 16;
        std::uint32_t t =
            rotate(a + mix(round, b, c, d) + x[wordLeft[j]] + constLeft[round], shiftLeft[j]);
        a = d, d = c, c = b, b = t;
        t = rotate(a2 + mix(3 - round, b2, c2, d2) + x[wordRight[j]] + constRight[round],
                   shiftRight[j]);
        a2 = d2, d2 = c2, c2 = b2, b2 = t;
    }
    const std::uint32_t t = h[1] + c + d2;
    h[1] = h[2] + d + a2;
    h[2] = h[3] + a + b2;
    h[3] = h[0] + b + c2;
    h[0] = t;
}

} // namespace

std::array<std::uint8_t, 16> ripemd128(std::string_view bytes) {
    std::uint32_t h[4] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};
    std::string padded(bytes);
    padded += '\x80';
    while (padded.size() % 64 != 56)
        padded += '\0';
    const std::uint64_t bits = std::uint64_t(bytes.size()) * 8;
    for (int i = 0; i < 8; ++i)
        padded += static_cast<char>(bits >> (8 * i));
    for (std::size_t at = 0; at < padded.size(); at += 64)
        compress(h, reinterpret_cast<const unsigned char*>(padded.data() + at));
    std::array<std::uint8_t, 16> digest{};
    for (int i = 0; i < 16; ++i)
        digest[i] = static_cast<std::uint8_t>(h[i / 4] >> (8 * (i % 4)));
    return digest;
}

} // namespace dictconv
