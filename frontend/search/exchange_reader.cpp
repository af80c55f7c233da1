// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_reader.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 blockSize = 256 * 1024;
}

bool ExchangeReader::open(const QString& path) {
    close();
    const int fd = openExchangeFile(path, ExchangeAccess::Read, &problem_);
    if (fd < 0) return false;
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        problem_.kind = ExchangeProblem::Kind::System;
        problem_.path = path;
        problem_.detail = file_.errorString();
        return false;
    }
    return true;
}

bool ExchangeReader::beginsWith(QByteArrayView bytes) {
    while (buffer_.size() - pos_ < bytes.size() && fill()) {
    }
    return QByteArrayView(buffer_).sliced(pos_).startsWith(bytes);
}

qint64 ExchangeReader::size() const {
    struct stat info {};
    if (!file_.isOpen() || ::fstat(file_.handle(), &info) != 0) return -1;
    return info.st_size;
}

void ExchangeReader::close() {
    file_.close();
    buffer_.clear();
    pos_ = 0;
    atEnd_ = false;
    failed_ = false;
}

bool ExchangeReader::fill() {
    if (atEnd_ || !file_.isOpen()) return false;
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + blockSize);
    const qint64 got = file_.read(buffer_.data() + kept, blockSize);
    if (got < 0) failed_ = true;
    buffer_.resize(kept + (got > 0 ? got : 0));
    if (got <= 0) atEnd_ = true;
    return got > 0;
}

bool ExchangeReader::next(QByteArrayView& line) {
    if (!file_.isOpen()) return false;
    qsizetype end = buffer_.indexOf('\n', pos_);
    while (end < 0) {
        const qsizetype searched = buffer_.size() - pos_;
        if (!fill()) break;
        end = buffer_.indexOf('\n', pos_ + searched);
    }
    if (end < 0) {
        // The last line may lack its line end.
        if (pos_ >= buffer_.size()) return false;
        end = buffer_.size();
    }
    qsizetype length = end - pos_;
    if (length > 0 && buffer_.at(pos_ + length - 1) == '\r') --length;
    line = QByteArrayView(buffer_.constData() + pos_, length);
    pos_ = end + 1;
    return true;
}
