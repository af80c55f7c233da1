// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side of the exchange file: the four-line request of a search.

#include "exchange_place.h"
#include "search_mode.h"
#include "text_encoding.h"

#include <QString>

struct SearchRequest {
    QString dictPath;  // written as the file system's bytes of the path
    QString queryWord; // upper-cased and trimmed; written in the dictionary's encoding
    QString root;
    SearchMode mode = SearchMode::NeighboursAndWhereinto;
};

// A line break inside a request value would split the request's lines.
bool hasLineBreak(const QString& text);
QString withoutLineBreaks(QString text);

// The four lines, each ending in CR LF.
QByteArray requestBytes(const SearchRequest& request, TextEncoding encoding);

// Creates or truncates the exchange file (mode 0600, in a checked folder) and writes the request.
// A value that holds a line break is refused and the file left alone.
ExchangeProblem writeRequest(const QString& exchangePath, const SearchRequest& request,
                             TextEncoding encoding);
// The same, false with the reason in words.
bool writeRequest(const QString& exchangePath, const SearchRequest& request, TextEncoding encoding,
                  QString* error);

// The exchange file's place and its folder, shared with the scanner; empty without a home folder.
QString exchangeFilePath();
QString exchangeFolderPath();
