// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of NL or WL as the dictionary holds them, bytes and line ends, each line decoded
// only when a list shows it, so that a list costs what it shows.

#include <QAbstractListModel>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

enum class TextEncoding;

class ResultLines : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ResultLines(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Keeps a line; the list has it once the lines are published.
    void append(QByteArrayView line, TextEncoding encoding);
    void publish();
    // Lines kept, published or not.
    int count() const { return static_cast<int>(ends_.size()); }
    void clear();

    // What the row shows: its line, or the line's first 1000 characters and an ellipsis.
    QString text(int row) const;
    // What a double-click on the row searches: its whole line; none when that is too long.
    std::optional<QString> query(int row) const;
    // The published row with the most bytes, -1 when none: the list takes every row's width
    // from it, so that the longest item can be scrolled to without measuring each row.
    int widestRow() const { return widestShown_; }

private:
    struct Run { // rows from firstRow on were decoded with encoding
        int firstRow;
        TextEncoding encoding;
    };
    QString decoded(int row, bool* cut) const;
    qsizetype lineSize(int row) const;

    QByteArray bytes_;
    QList<qsizetype> ends_; // where each line ends in bytes_
    QList<Run> runs_;
    int published_ = 0;
    int widestKept_ = -1;
    int widestShown_ = -1;
};
