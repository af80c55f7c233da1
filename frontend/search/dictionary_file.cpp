// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_file.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 sampleSize = 64 * 1024;

bool existsButIsNoFile(const QByteArray& path) {
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode);
}
} // namespace

DictionaryCheck checkDictionary(const QString& path) {
    DictionaryCheck check;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        check.refused = existsButIsNoFile(name);
        check.missing = !check.refused && (error == ENOENT || error == ENOTDIR);
        return check;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        check.refused = true;
        return check;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return check;
    }
    const QByteArray sample = file.read(sampleSize);
    check.encoding = detectEncoding(sample, sample.size() == sampleSize && !file.atEnd());
    return check;
}
