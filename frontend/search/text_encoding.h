// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dictionaries come as UTF-8 or as single-byte Windows-1252/Latin-1 text. The encoding of each
// dictionary is decided from its own bytes, and query words and result lines are converted with it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

enum class TextEncoding { Utf8, Windows1252 };

// UTF-8 when the sample is valid UTF-8 (plain ASCII included), Windows-1252 otherwise.
// A sample cut from a longer file may end inside a multi-byte character; cutShort allows that.
TextEncoding detectEncoding(const QByteArray& sample, bool cutShort);

// Samples the first 64 KiB of the file; UTF-8 when the file cannot be read.
TextEncoding detectFileEncoding(const QString& path);

// Each character to its simple upper case, one to one, so the length never changes (ß stays ß).
// In Windows-1252 a character whose upper case the code page cannot hold keeps its form (µ).
QString upperCased(const QString& text, TextEncoding encoding);

// Whether every character has bytes in the encoding: Windows-1252 holds few, and UTF-8 no lone
// surrogate. What cannot be written can match nothing in the dictionary.
bool encodable(const QString& text, TextEncoding encoding);

// Windows-1252 writes characters it has no byte for as '?'; check encodable() first where a
// stand-in would change the meaning.
QByteArray encodeText(const QString& text, TextEncoding encoding);
QString decodeText(const char* data, qsizetype size, TextEncoding encoding);
inline QString decodeText(QByteArrayView bytes, TextEncoding encoding) {
    return decodeText(bytes.data(), bytes.size(), encoding);
}
