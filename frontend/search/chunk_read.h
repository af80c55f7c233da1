// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one read loop of the search's first read and of the page loader: the lines of one chunk
// of the exchange file, each kept or not by the caller's own line rules.

#include "event_pacer.h"
#include "exchange_reader.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

struct ChunkRead {
    bool morePages = false; // the chunk ended at the next chunk's header
    bool abandoned = false; // the file was closed under the read: the program is ending
    bool failed = false;    // a read error ended the read early
    QString error;          // why, when failed
    bool replaced = false;  // the file's size is no longer resultsSize: another search rewrote it
};

// Passes each line to `take` until it returns false (the next chunk's header) or the file ends;
// `pause` runs whenever the pacer says so. Closes the reader, unless it was closed under it.
ChunkRead readChunk(ExchangeReader& reader, qint64 resultsSize,
                    const std::function<bool(QByteArrayView)>& take,
                    const std::function<void()>& pause, EventPacer pacer = EventPacer());
