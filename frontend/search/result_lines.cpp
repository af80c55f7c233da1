// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_lines.h"

#include "long_lines.h"
#include "text_encoding.h"

#include <algorithm>

ResultLines::ResultLines(QObject* parent) : QAbstractListModel(parent) {}

int ResultLines::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : published_;
}

QVariant ResultLines::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= published_) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return text(index.row());
    return {};
}

void ResultLines::append(QByteArrayView line, TextEncoding encoding) {
    if (runs_.isEmpty() || runs_.last().encoding != encoding) runs_.append({count(), encoding});
    // Of a line longer than any query only the start is ever decoded; a byte more keeps it cut.
    const qsizetype kept = std::min(line.size(), longestDecoded + 1);
    if (widestKept_ < 0 || kept > lineSize(widestKept_)) widestKept_ = count();
    bytes_.append(line.first(kept));
    ends_.append(bytes_.size());
}

qsizetype ResultLines::lineSize(int row) const {
    return ends_[row] - (row > 0 ? ends_[row - 1] : 0);
}

void ResultLines::publish() {
    if (published_ == count()) return;
    beginInsertRows({}, published_, count() - 1);
    published_ = count();
    widestShown_ = widestKept_;
    endInsertRows();
}

void ResultLines::clear() {
    beginResetModel();
    // A long list's memory goes back at once.
    bytes_ = QByteArray();
    ends_ = QList<qsizetype>();
    runs_.clear();
    published_ = 0;
    widestKept_ = widestShown_ = -1;
    endResetModel();
}

QString ResultLines::decoded(int row, bool* cut) const {
    const qsizetype begin = row > 0 ? ends_[row - 1] : 0;
    const QByteArrayView line(bytes_.constData() + begin, ends_[row] - begin);
    qsizetype run = runs_.size() - 1;
    while (run > 0 && runs_[run].firstRow > row)
        --run;
    return decodeResultLine(line, runs_[run].encoding, cut);
}

QString ResultLines::text(int row) const {
    if (row < 0 || row >= count()) return {};
    bool cut = false;
    return shortened(decoded(row, &cut), longestListItem);
}

std::optional<QString> ResultLines::query(int row) const {
    if (row < 0 || row >= count()) return std::nullopt;
    bool cut = false;
    QString line = decoded(row, &cut);
    if (cut || line.size() > longestQuery) return std::nullopt;
    return line;
}
