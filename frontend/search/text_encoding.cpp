// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_encoding.h"

#include "vocabrix_text/utf8.h"

#include <QFile>

#include <array>
#include <string_view>

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

} // namespace

TextEncoding detectEncoding(const QByteArray& sample, bool cutShort) {
    const std::string_view bytes(sample.constData(), static_cast<std::size_t>(sample.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        const int length = vocabrix::text::utf8Sequence(bytes, i);
        if (length > 0) {
            i += static_cast<std::size_t>(length);
            continue;
        }
        if (length == vocabrix::text::cutShort && cutShort) break;
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
