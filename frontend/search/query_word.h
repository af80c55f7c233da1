// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The query word as the search sends it, and the blanks that never count in it.

#include "text_encoding.h"

#include <QString>

// Without the space characters at both ends; tabs, NBSP and other spaces stay.
QString trimmedBlanks(const QString& text);

// Empty or only space characters.
bool isBlank(const QString& text);

// QW from the query box's text: line breaks of a paste removed, upper-cased one character to
// one in the dictionary's encoding, spaces trimmed; tabs stay, as in the dictionary's lines.
QString queryWordFrom(const QString& typed, TextEncoding encoding);
