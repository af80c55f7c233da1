// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_rule.h"

#include <cmath>

double leadingNumber(const QString& text) {
    QString number;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t') continue;
        const QChar last = number.isEmpty() ? QChar() : number.back();
        if (c.isDigit() && c.unicode() < 0x80) {
            number += c;
            digits = true;
        } else if ((c == u'+' || c == u'-') && (number.isEmpty() || last == u'e')) {
            number += c;
        } else if (c == u'.' && !point && !exponent) {
            number += c;
            point = true;
        } else if ((c == u'e' || c == u'E') && digits && !exponent) {
            number += u'e';
            exponent = true;
        } else {
            break;
        }
    }
    // Drop a dangling exponent or sign so that "75e" still reads as 75.
    while (!number.isEmpty() && !number.back().isDigit() && number.back() != u'.')
        number.chop(1);
    if (!digits) return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    // Too large for a double gives an infinity, which the root rule clamps; too small gives 0.
    return ok || std::isinf(value) ? value : 0.0;
}

int rootLength(int queryLength, double percent) {
    if (queryLength <= 0) return 0;
    const double product = static_cast<double>(queryLength) * (percent / 100.0);
    if (!(product > 0)) return 1; // negative, zero or not a number: the first character
    if (product >= queryLength) return queryLength;
    const int n = static_cast<int>(std::nearbyint(product)); // ties to even
    return n < 1 ? 1 : n;
}

namespace {
// Index just past the character at i: a surrogate pair counts as one character.
qsizetype nextCharacter(const QString& text, qsizetype i) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return i + 2;
    return i + 1;
}
} // namespace

int characterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); i = nextCharacter(text, i))
        ++count;
    return count;
}

QString queryRoot(const QString& queryWord, const QString& percentText) {
    const int n = rootLength(characterCount(queryWord), leadingNumber(percentText));
    qsizetype end = 0;
    for (int i = 0; i < n && end < queryWord.size(); ++i)
        end = nextCharacter(queryWord, end);
    return queryWord.left(end);
}
