// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the search's first read and the page loader put the result lines of the exchange file:
// headwords into NL or WL as the dictionary's bytes, the translation into the measuring label.
// The lines reach the lists in batches: those taken so far show whenever the read lets window
// events run, and every one at the end.

#include "chunk_read.h"
#include "exchange_lines.h"

#include <QByteArrayView>
#include <QString>

class DictionarySearch;
class ExchangeReader;
class ResultList;

class ResultSink {
public:
    // The first read after a search: NL, WL and the translation.
    ResultSink(DictionarySearch& search, const FirstChunkReader& firstChunk);
    // A page change: the NL lines of one chunk.
    ResultSink(DictionarySearch& search, PageReader& page);

    // Reads the chunk from the open reader up to the next chunk's header; at the end every line
    // shows and both lists are visible, unless the program is ending (abandoned).
    ChunkRead readFrom(ExchangeReader& reader, qint64 resultsSize);

private:
    // Each takes one line; false at the next chunk's header.
    bool take(QByteArrayView line);
    bool takeFromFirstChunk(QByteArrayView line);
    bool takeFromPage(QByteArrayView line);
    void addTo(ResultList* list, QByteArrayView line);
    // The lines taken so far show in their lists.
    void publish();

    DictionarySearch& search_;
    const FirstChunkReader* firstChunk_ = nullptr;
    PageReader* page_ = nullptr;
    QString translation_;
    bool cut_ = false;
};
