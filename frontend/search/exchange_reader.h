// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the exchange file back line by line, as raw bytes without the line end.

#include "exchange_place.h"
#include "vocabrix_text/line_reader.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

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
    // The open file as the line reader's byte source.
    class FileBytes : public vocabrix::text::ByteSource {
    public:
        explicit FileBytes(QFile& file) : file_(file) {}
        std::ptrdiff_t read(char* data, std::size_t size) override;

    private:
        QFile& file_;
    };

    QFile file_;
    ExchangeProblem problem_;
    FileBytes bytes_{file_};
    std::unique_ptr<vocabrix::text::LineReader> lines_;
    bool failed_ = false;
};
