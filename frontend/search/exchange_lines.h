// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search and the page loader make of each result line of the exchange file.

#include "text_encoding.h"

#include <lexscan/exchange_format.h>

#include <QByteArrayView>
#include <QString>

enum class LineKind {
    ChunkHeader, // the chunk header mark and the chunk's NL count
    Ignored,     // lines of the ignored mark, empty lines and lines of spaces
    Translation, // the translation mark and a translation line
    Headword,    // an NL or a WL line
};

LineKind classifyLine(QByteArrayView line);

using lexscan::requestLineCount;

// Tells NL lines from WL lines.
struct HeadwordSorter {
    QString root;
    bool allHeadwords = false; // the query word asks for every headword
    bool isNeighbour(const QString& headword) const {
        return allHeadwords || headword.startsWith(root);
    }
};

// The same on the line's bytes, which need no decoding when the root's bytes decode back to
// the root; otherwise the line is decoded.
class LineSorter {
public:
    LineSorter(HeadwordSorter sorter, TextEncoding encoding);
    bool isNeighbour(QByteArrayView line) const;

private:
    HeadwordSorter sorter_;
    TextEncoding encoding_;
    QByteArray rootBytes_;
    bool byBytes_;
};

// The first read after a search: the first chunk's lines, after the first chunk header.
class FirstChunkReader {
public:
    enum class Step { Nothing, Neighbour, Whereinto, Translation, MoreChunks };

    FirstChunkReader(HeadwordSorter sorter, TextEncoding encoding)
        : sorter_(std::move(sorter), encoding), encoding_(encoding) {}

    // Classifies one line; text receives the translation, cut tells whether only the start of
    // a very long one was decoded (long_lines.h). Headwords are left undecoded.
    Step take(QByteArrayView line, QString& text, bool* cut = nullptr) const;

private:
    LineSorter sorter_;
    TextEncoding encoding_;
};

// A page change: the NL lines of chunk `page` (1-based), counting lines from the request's first.
class PageReader {
public:
    enum class Step { Skip, Neighbour, MoreChunks };

    PageReader(int page, HeadwordSorter sorter, TextEncoding encoding)
        : page_(page), sorter_(std::move(sorter), encoding) {}

    Step take(QByteArrayView line);

private:
    int page_;
    LineSorter sorter_;
    qint64 lineCount_ = 0;
    int chunkCount_ = 0;
};
