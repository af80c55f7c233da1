// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_request.h"

#include <QFile>

#include <lexscan/exchange_format.h>
#include <lexscan/exchange_path.h>

#include <cerrno>
#include <unistd.h>

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

QString withoutLineBreaks(QString text) {
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

QByteArray requestBytes(const SearchRequest& request, TextEncoding encoding) {
    const QByteArray end = QByteArray::fromStdString(std::string(lexscan::lineEnd));
    QByteArray bytes;
    for (const QByteArray& line :
         {QFile::encodeName(request.dictPath), encodeText(request.queryWord, encoding),
          encodeText(request.root, encoding), QByteArray(1, static_cast<char>(request.mode))})
        bytes += line + end;
    return bytes;
}

ExchangeProblem writeRequest(const QString& exchangePath, const SearchRequest& request,
                             TextEncoding encoding) {
    if (hasLineBreak(request.dictPath) || hasLineBreak(request.queryWord) ||
        hasLineBreak(request.root)) {
        ExchangeProblem p;
        p.kind = ExchangeProblem::Kind::System;
        p.detail = QStringLiteral("a request value holds a line break");
        return p;
    }
    // A stand-in such as '?' would search another word.
    if (!encodable(request.queryWord, encoding) || !encodable(request.root, encoding)) {
        ExchangeProblem p;
        p.kind = ExchangeProblem::Kind::System;
        p.detail = QStringLiteral("a request value has no bytes in the dictionary's encoding");
        return p;
    }
    ExchangeProblem problem;
    const int fd = openExchangeFile(exchangePath, ExchangeAccess::Write, &problem);
    if (fd < 0) return problem;
    const QByteArray bytes = requestBytes(request, encoding);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written,
                                  static_cast<std::size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            problem = ExchangeProblem::fromErrno(exchangePath);
            break;
        }
        written += n;
    }
    if (::close(fd) != 0 && problem.ok() && errno != EINTR)
        problem = ExchangeProblem::fromErrno(exchangePath);
    return problem;
}

bool writeRequest(const QString& exchangePath, const SearchRequest& request, TextEncoding encoding,
                  QString* error) {
    const ExchangeProblem p = writeRequest(exchangePath, request, encoding);
    if (!p.ok()) *error = p.describe();
    return p.ok();
}

QString exchangeFilePath() {
    return QFile::decodeName(QByteArray::fromStdString(lexscan::exchangeFilePath()));
}

QString exchangeFolderPath() {
    return QFile::decodeName(QByteArray::fromStdString(lexscan::exchangeFolder()));
}
