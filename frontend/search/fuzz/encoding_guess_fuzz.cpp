// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the encoding guess, checked against a plain model of the rule: UTF-8
// when the sample is well-formed UTF-8, or, for a sample cut from a longer file, when only its
// last character is cut short; Windows-1252 otherwise.
//
// Input: one control byte (bit 0: the sample was cut short), then the sample.

#include "text_encoding.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The well-formed byte sequences of UTF-8, one row per lead byte range: the sequence length and
// the range of the second byte; later bytes are always 0x80-0xBF.
struct Form {
    unsigned char leadLow, leadHigh;
    int length;
    unsigned char secondLow, secondHigh;
};

constexpr Form forms[] = {
    {0x00, 0x7F, 1, 0, 0},       {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

TextEncoding model(const unsigned char* s, size_t n, bool cutShort) {
    size_t i = 0;
    while (i < n) {
        const Form* form = nullptr;
        for (const Form& f : forms)
            if (inRange(s[i], f.leadLow, f.leadHigh)) form = &f;
        if (!form) return TextEncoding::Windows1252;
        for (int k = 1; k < form->length; ++k) {
            if (i + k == n) return cutShort ? TextEncoding::Utf8 : TextEncoding::Windows1252;
            const bool ok = k == 1 ? inRange(s[i + k], form->secondLow, form->secondHigh)
                                   : inRange(s[i + k], 0x80, 0xBF);
            if (!ok) return TextEncoding::Windows1252;
        }
        i += static_cast<size_t>(form->length);
    }
    return TextEncoding::Utf8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool cutShort = (data[0] & 1) != 0;
    const QByteArray sample(reinterpret_cast<const char*>(data) + 1,
                            static_cast<qsizetype>(size - 1));
    const TextEncoding guess = detectEncoding(sample, cutShort);
    if (guess != model(data + 1, size - 1, cutShort)) {
        std::fprintf(stderr, "encoding_guess_fuzz: the guess differs from the rule\n");
        std::abort();
    }
    // Qt's own validation agrees on whole samples.
    if (!cutShort && (guess == TextEncoding::Utf8) != QByteArray(sample).isValidUtf8()) {
        std::fprintf(stderr, "encoding_guess_fuzz: the guess differs from Qt's validation\n");
        std::abort();
    }
    return 0;
}
