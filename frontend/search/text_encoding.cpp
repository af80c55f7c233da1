// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_encoding.h"

#include <QFile>

#include <array>

namespace {

constexpr qsizetype sampleSize = 64 * 1024;

// Windows-1252 for 0x80-0x9F. The five bytes it leaves undefined keep their Latin-1 code points,
// so every byte decodes to one character and encodes back to the same byte.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> makeDecodeTable() {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = static_cast<char16_t>(b);
    for (std::size_t i = 0; i < cp1252High.size(); ++i)
        table[0x80 + i] = cp1252High[i];
    return table;
}

constexpr std::array<char16_t, 256> decodeTable = makeDecodeTable();

// The byte for c, or none when Windows-1252 has no byte for it.
int byte1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < cp1252High.size(); ++i)
        if (cp1252High[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

char encode1252(char32_t c) {
    const int b = byte1252(c);
    return b < 0 ? '?' : static_cast<char>(b);
}

// Length of the UTF-8 sequence starting at data[i], 0 when it is not valid UTF-8,
// -1 when it is cut off by the end of the data.
int utf8SequenceLength(const unsigned char* data, qsizetype i, qsizetype size) {
    const unsigned char lead = data[i];
    if (lead < 0x80) return 1;
    int length = 0;
    char32_t min = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    // The second byte already rules out overlong forms, surrogates and code points past
    // U+10FFFF, so a sample cut right after it is not taken for a character cut short.
    const unsigned char secondLow = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char secondHigh = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (int k = 1; k < length; ++k) {
        if (i + k >= size) return -1;
        const unsigned char next = data[i + k];
        if ((next & 0xC0) != 0x80) return 0;
        if (k == 1 && (next < secondLow || next > secondHigh)) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

} // namespace

TextEncoding detectEncoding(const QByteArray& sample, bool cutShort) {
    const auto* data = reinterpret_cast<const unsigned char*>(sample.constData());
    const qsizetype size = sample.size();
    for (qsizetype i = 0; i < size;) {
        const int length = utf8SequenceLength(data, i, size);
        if (length > 0) {
            i += length;
            continue;
        }
        if (length < 0 && cutShort) break;
        return TextEncoding::Windows1252;
    }
    return TextEncoding::Utf8;
}

TextEncoding detectFileEncoding(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return TextEncoding::Utf8;
    const QByteArray sample = file.read(sampleSize);
    return detectEncoding(sample, sample.size() == sampleSize && !file.atEnd());
}

bool encodable(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.isValidUtf16();
    for (const char32_t c : text.toUcs4())
        if (byte1252(c) < 0) return false;
    return true;
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        bytes.append(encode1252(c));
    return bytes;
}

QString upperCased(const QString& text, TextEncoding encoding) {
    QString upper = text;
    for (qsizetype i = 0; i < upper.size(); ++i) {
        const bool pair = upper.at(i).isHighSurrogate() && i + 1 < upper.size() &&
                          upper.at(i + 1).isLowSurrogate();
        const char32_t c =
            pair ? QChar::surrogateToUcs4(upper.at(i), upper.at(i + 1)) : upper.at(i).unicode();
        const char32_t u = QChar::toUpper(c);
        // A lone surrogate stays as it is; an upper case needing more or fewer units is skipped.
        if (u == c || QChar::requiresSurrogates(u) != pair) continue;
        if (encoding == TextEncoding::Windows1252 && byte1252(u) < 0) continue;
        if (pair) {
            upper[i] = QChar(QChar::highSurrogate(u));
            upper[++i] = QChar(QChar::lowSurrogate(u));
        } else {
            upper[i] = QChar(static_cast<char16_t>(u));
        }
    }
    return upper;
}

QString decodeText(const char* data, qsizetype size, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return QString::fromUtf8(data, size);
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = decodeTable[static_cast<unsigned char>(data[i])];
    return text;
}
