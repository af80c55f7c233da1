// SPDX-License-Identifier: GPL-3.0-or-later
#include "chunk_read.h"

ChunkRead readChunk(ExchangeReader& reader, qint64 resultsSize,
                    const std::function<bool(QByteArrayView)>& take,
                    const std::function<void()>& pause, EventPacer pacer) {
    ChunkRead read;
    QByteArrayView line;
    while (!read.morePages && reader.next(line)) {
        read.morePages = !take(line);
        if (pacer.due()) {
            pause();
            if (!reader.isOpen()) {
                read.abandoned = true;
                return read;
            }
        }
    }
    read.failed = reader.failed();
    if (read.failed) read.error = reader.errorString();
    read.replaced = reader.size() != resultsSize;
    reader.close();
    return read;
}
