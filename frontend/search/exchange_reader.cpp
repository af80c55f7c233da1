// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_reader.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t blockSize = 256 * 1024;
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
    // Read at the file's start without moving the line reader's place.
    if (!file_.isOpen()) return bytes.isEmpty();
    QByteArray start(bytes.size(), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < start.size()) {
        const ssize_t n = ::pread(file_.handle(), start.data() + got,
                                  static_cast<std::size_t>(start.size() - got), got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += n;
    }
    return got == bytes.size() && QByteArrayView(start) == bytes;
}

qint64 ExchangeReader::size() const {
    struct stat info {};
    if (!file_.isOpen() || ::fstat(file_.handle(), &info) != 0) return -1;
    return info.st_size;
}

void ExchangeReader::close() {
    file_.close();
    lines_.reset();
    failed_ = false;
}

std::ptrdiff_t ExchangeReader::FileBytes::read(char* data, std::size_t size) {
    const qint64 got = file_.read(data, static_cast<qint64>(size));
    return got < 0 ? -1 : static_cast<std::ptrdiff_t>(got);
}

bool ExchangeReader::next(QByteArrayView& line) {
    if (!file_.isOpen()) return false;
    if (!lines_) lines_ = std::make_unique<vocabrix::text::LineReader>(bytes_, blockSize);
    std::string_view text;
    if (!lines_->next(text)) {
        failed_ = lines_->failed();
        return false;
    }
    // A last line cut off before its LF loses a CR all the same.
    if (lines_->lastLineOpen() && !text.empty() && text.back() == '\r') text.remove_suffix(1);
    line = QByteArrayView(text.data(), static_cast<qsizetype>(text.size()));
    return true;
}
