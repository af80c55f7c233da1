#pragma once
// The program's side of the exchange file: the four-line request of a search.

#include "search_mode.h"
#include "text_encoding.h"

#include <QString>

struct SearchRequest {
    QString dictPath;  // written as the file system's bytes of the path
    QString queryWord; // upper-cased and trimmed; written in the dictionary's encoding
    QString root;
    SearchMode mode = SearchMode::Both;
};

// A line break inside a request value would split the request's lines.
bool hasLineBreak(const QString& text);
QString withoutLineBreaks(QString text);

// Creates the folder and any missing parent with mode 0700. False with a reason on failure.
bool makePrivateFolder(const QString& folder, QString* error);

// The four lines, each ending in CR LF.
QByteArray requestBytes(const SearchRequest& request, TextEncoding encoding);

// Creates or truncates the exchange file and writes the request. False with a reason on failure,
// also when a value holds a line break.
bool writeRequest(const QString& exchangePath, const SearchRequest& request, TextEncoding encoding,
                  QString* error);

// The exchange file's place and its folder, shared with the scanner; empty without a home folder.
QString exchangeFilePath();
QString exchangeFolderPath();
