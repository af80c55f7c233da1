// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the exchange file back line by line, as raw bytes without the line end.

#include "exchange_place.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

class ExchangeReader {
public:
    // Opens the file only where it is safe (see exchange_place.h); false with the reason in
    // problem() otherwise.
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    const ExchangeProblem& problem() const { return problem_; }
    // The reason of a failed read.
    QString errorString() const { return file_.errorString(); }
    // True when the file begins with these bytes. Reads ahead without using up any line.
    bool beginsWith(QByteArrayView bytes);
    // The file's size as it is now; -1 when closed.
    qint64 size() const;
    // The next line without its LF or CR LF; false at the end, on a read error or once closed.
    // The line stays valid until the next call.
    bool next(QByteArrayView& line);
    // True when the last next() stopped on a read error rather than at the end of the file.
    bool failed() const { return failed_; }
    void close();

private:
    bool fill();

    QFile file_;
    ExchangeProblem problem_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};
