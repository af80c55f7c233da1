// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_lines.h"

QString decodeResultLine(QByteArrayView bytes, TextEncoding encoding, bool* cut) {
    *cut = bytes.size() > longestDecoded;
    return decodeText(*cut ? bytes.first(longestDecoded) : bytes, encoding);
}

QString shortened(const QString& text, qsizetype limit) {
    if (text.size() <= limit) return text;
    qsizetype end = limit;
    if (end > 0 && text.at(end - 1).isHighSurrogate()) --end;
    return text.left(end) + QChar(0x2026);
}
