// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_sink.h"

#include "dictionary_search.h"
#include "long_lines.h"
#include "result_list.h"
#include "search_session.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

ResultSink::ResultSink(DictionarySearch& search, const FirstChunkReader& firstChunk)
    : search_(search), firstChunk_(&firstChunk) {}

ResultSink::ResultSink(DictionarySearch& search, PageReader& page)
    : search_(search), page_(&page) {}

ChunkRead ResultSink::readFrom(ExchangeReader& reader, qint64 resultsSize) {
    const ChunkRead read = readChunk(
        reader, resultsSize, [this](QByteArrayView line) { return take(line); },
        [this] {
            publish();
            QCoreApplication::processEvents();
        });
    if (read.abandoned) return read;
    publish();
    search_.view().ListZ->show();
    search_.view().ListY->show();
    return read;
}

bool ResultSink::take(QByteArrayView line) {
    return firstChunk_ ? takeFromFirstChunk(line) : takeFromPage(line);
}

bool ResultSink::takeFromFirstChunk(QByteArrayView line) {
    switch (firstChunk_->take(line, translation_, &cut_)) {
    case FirstChunkReader::Step::Nothing:
        break;
    case FirstChunkReader::Step::Neighbour:
        addTo(search_.view().ListZ, line);
        break;
    case FirstChunkReader::Step::Whereinto:
        addTo(search_.view().ListY, line);
        break;
    case FirstChunkReader::Step::Translation:
        search_.view().OmbraRisp->setText(shortened(translation_, longestTranslation));
        // The row of the exact headword, the last NL line taken, 1-based.
        search_.ExactMatchPos =
            static_cast<qint16>(std::min(search_.view().ListZ->lines()->count(), 32767));
        break;
    case FirstChunkReader::Step::MoreChunks:
        return false;
    }
    return true;
}

bool ResultSink::takeFromPage(QByteArrayView line) {
    switch (page_->take(line)) {
    case PageReader::Step::Skip:
        break;
    case PageReader::Step::Neighbour:
        addTo(search_.view().ListZ, line);
        break;
    case PageReader::Step::MoreChunks:
        return false;
    }
    return true;
}

void ResultSink::addTo(ResultList* list, QByteArrayView line) {
    list->lines()->append(line, search_.session().encoding);
}

void ResultSink::publish() {
    search_.view().ListZ->lines()->publish();
    search_.view().ListY->lines()->publish();
}
