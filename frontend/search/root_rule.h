// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The root of a query word: its first n characters, n being a percentage of its length.

#include <QString>

// The number a percentage text begins with: blanks are ignored, reading stops at the first
// character that cannot continue the number, and a text without a leading number gives 0.
double leadingNumber(const QString& text);

// Characters of the root for a query word of queryLength characters (at least 1): the product
// rounded half to even, at least 1 and at most the whole word. Negative percentages count as 0.
int rootLength(int queryLength, double percent);

// The root of an upper-cased, trimmed, non-empty query word; characters, not UTF-16 units.
QString queryRoot(const QString& queryWord, const QString& percentText);

// Characters (code points) in text.
int characterCount(const QString& text);
