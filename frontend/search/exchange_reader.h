#pragma once
// Reads the exchange file back line by line, as raw bytes without the line end.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

class ExchangeReader {
public:
    // False with the reason in errorString() when the file does not open.
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    QString errorString() const { return file_.errorString(); }
    // The next line without its LF or CR LF; false at the end, on a read error or once closed.
    // The line stays valid until the next call.
    bool next(QByteArrayView& line);
    // True when the last next() stopped on a read error rather than at the end of the file.
    bool failed() const { return failed_; }
    void close();

private:
    bool fill();

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};
