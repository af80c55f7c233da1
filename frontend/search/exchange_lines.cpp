// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_lines.h"

#include "long_lines.h"

#include <lexscan/exchange_format.h>

namespace {
QString decode(QByteArrayView bytes, TextEncoding encoding, bool* cut) {
    bool wasCut = false;
    QString text = decodeResultLine(bytes, encoding, &wasCut);
    if (cut) *cut = wasCut;
    return text;
}
} // namespace

LineSorter::LineSorter(HeadwordSorter sorter, TextEncoding encoding)
    : sorter_(std::move(sorter)), encoding_(encoding),
      rootBytes_(encodeText(sorter_.root, encoding)),
      byBytes_(!sorter_.root.contains(QChar::ReplacementCharacter) &&
               decodeText(rootBytes_, encoding) == sorter_.root) {}

bool LineSorter::isNeighbour(QByteArrayView line) const {
    if (sorter_.allHeadwords) return true;
    if (byBytes_) return line.startsWith(rootBytes_);
    bool cut = false;
    return sorter_.isNeighbour(decodeResultLine(line, encoding_, &cut));
}

LineKind classifyLine(QByteArrayView line) {
    if (line.startsWith(lexscan::chunkHeaderMark)) return LineKind::ChunkHeader;
    if (line.startsWith(lexscan::ignoredMark)) return LineKind::Ignored;
    if (line.startsWith(lexscan::translationMark)) return LineKind::Translation;
    for (const char c : line)
        if (c != ' ') return LineKind::Headword;
    return LineKind::Ignored;
}

FirstChunkReader::Step FirstChunkReader::take(QByteArrayView line, QString& text, bool* cut) const {
    switch (classifyLine(line)) {
    case LineKind::Ignored:
        return Step::Nothing;
    case LineKind::ChunkHeader:
        return Step::MoreChunks;
    case LineKind::Translation:
        text = decode(line.sliced(1), encoding_, cut);
        return Step::Translation;
    case LineKind::Headword:
        break;
    }
    return sorter_.isNeighbour(line) ? Step::Neighbour : Step::Whereinto;
}

PageReader::Step PageReader::take(QByteArrayView line) {
    ++lineCount_;
    if (page_ < 1) return Step::Skip; // no such page
    const LineKind kind = classifyLine(line);
    if (lineCount_ > requestLineCount && kind == LineKind::ChunkHeader) {
        ++chunkCount_;
        if (chunkCount_ > page_) return Step::MoreChunks;
        return Step::Skip;
    }
    // Lines before the wanted chunk (the request included) are not even decoded.
    if (chunkCount_ < page_ || kind != LineKind::Headword) return Step::Skip;
    return sorter_.isNeighbour(line) ? Step::Neighbour : Step::Skip;
}
