#include "exchange_request.h"

#include <QFile>
#include <QFileInfo>

#include <lexscan/exchange_path.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

QString withoutLineBreaks(QString text) {
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

bool makePrivateFolder(const QString& folder, QString* error) {
    if (folder.isEmpty()) {
        *error = QStringLiteral("no folder name");
        return false;
    }
    const QFileInfo info(folder);
    if (info.isDir()) return true;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makePrivateFolder(parent, error)) return false;
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        *error = QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

QByteArray requestBytes(const SearchRequest& request, TextEncoding encoding) {
    QByteArray bytes;
    bytes += QFile::encodeName(request.dictPath) + "\r\n";
    bytes += encodeText(request.queryWord, encoding) + "\r\n";
    bytes += encodeText(request.root, encoding) + "\r\n";
    bytes += static_cast<char>(request.mode);
    bytes += "\r\n";
    return bytes;
}

bool writeRequest(const QString& exchangePath, const SearchRequest& request, TextEncoding encoding,
                  QString* error) {
    if (hasLineBreak(request.dictPath) || hasLineBreak(request.queryWord) ||
        hasLineBreak(request.root)) {
        *error = QStringLiteral("a request value holds a line break");
        return false;
    }
    QFile file(exchangePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = requestBytes(request, encoding);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString exchangeFilePath() {
    return QFile::decodeName(QByteArray::fromStdString(lexscan::exchangeFilePath()));
}

QString exchangeFolderPath() {
    return QFile::decodeName(QByteArray::fromStdString(lexscan::exchangeFolder()));
}
