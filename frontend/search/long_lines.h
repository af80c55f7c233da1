// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dictionary line may run to many megabytes. The window decodes, shows and searches only as
// much of such a line as it can use, so that one line cannot stall it.

#include "text_encoding.h"

#include <QByteArrayView>
#include <QString>

// The query box holds at most this many characters (a line edit's own limit).
constexpr qsizetype longestQuery = 32767;
// A list item shows at most this many characters of its line, then an ellipsis.
constexpr qsizetype longestListItem = 1000;
// The answer box shows at most this many characters of a translation, then an ellipsis.
constexpr qsizetype longestTranslation = 32767;

// No character takes more than three bytes per UTF-16 unit, so this many bytes always decode
// to more units than the longest query.
constexpr qsizetype longestDecoded = 3 * (longestQuery + 1);

// Decodes a result line, or only its start when it is longer than any query could be (cut is
// then set): the start still holds more than any root, so NL and WL are told apart correctly.
QString decodeResultLine(QByteArrayView bytes, TextEncoding encoding, bool* cut);

// The text, or its first `limit` characters and an ellipsis; a surrogate pair is not split.
QString shortened(const QString& text, qsizetype limit);
