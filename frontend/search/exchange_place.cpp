// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_place.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Kind = ExchangeProblem::Kind;

ExchangeProblem problem(Kind kind, const QString& path) {
    ExchangeProblem p;
    p.kind = kind;
    p.path = path;
    return p;
}

// What lstat or fstat found at a place that must be the user's own folder or regular file.
ExchangeProblem checkEntry(const struct stat& info, const QString& path, bool folder) {
    if (S_ISLNK(info.st_mode)) return problem(Kind::Link, path);
    if (folder && !S_ISDIR(info.st_mode)) return problem(Kind::NotFolder, path);
    if (!folder && !S_ISREG(info.st_mode)) return problem(Kind::NotFile, path);
    if (info.st_uid != ::geteuid()) return problem(Kind::OtherOwner, path);
    return {};
}

// Parents are only created when missing; a parent may well be a link (a moved cache folder).
ExchangeProblem makeParents(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir()) return {};
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath()) {
        if (const ExchangeProblem p = makeParents(parent); !p.ok()) return p;
    }
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return ExchangeProblem::fromErrno(folder);
    return {};
}

} // namespace

ExchangeProblem ExchangeProblem::fromErrno(const QString& path) {
    ExchangeProblem p = problem(Kind::System, path);
    p.detail = QString::fromLocal8Bit(std::strerror(errno));
    return p;
}

QString ExchangeProblem::describe() const {
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::System:
        return path.isEmpty() ? detail : QStringLiteral("%1: %2").arg(path, detail);
    case Kind::Link:
        return QStringLiteral("%1 is a symbolic link").arg(path);
    case Kind::NotFolder:
        return QStringLiteral("%1 is not a folder").arg(path);
    case Kind::NotFile:
        return QStringLiteral("%1 is not a regular file").arg(path);
    case Kind::OtherOwner:
        return QStringLiteral("%1 belongs to another user").arg(path);
    }
    return {};
}

ExchangeProblem checkPrivateFolder(const QString& folder) {
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return ExchangeProblem::fromErrno(folder);
    return checkEntry(info, folder, true);
}

ExchangeProblem makePrivateFolder(const QString& folder) {
    if (folder.isEmpty()) {
        ExchangeProblem p = problem(Kind::System, folder);
        p.detail = QStringLiteral("no folder name");
        return p;
    }
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno != ENOENT) return ExchangeProblem::fromErrno(folder);
        const QFileInfo place(folder);
        if (place.absolutePath() != place.absoluteFilePath()) {
            if (const ExchangeProblem p = makeParents(place.absolutePath()); !p.ok()) return p;
        }
        // Another copy may create it at the same moment; it is checked below either way.
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
            return ExchangeProblem::fromErrno(folder);
        if (::lstat(name.constData(), &info) != 0) return ExchangeProblem::fromErrno(folder);
    }
    if (const ExchangeProblem p = checkEntry(info, folder, true); !p.ok()) return p;
    // Others able to enter the folder could swap the file between the program and the scanner.
    if ((info.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return ExchangeProblem::fromErrno(folder);
    return {};
}

int openExchangeFile(const QString& path, ExchangeAccess access, ExchangeProblem* problemOut) {
    const auto fail = [&](ExchangeProblem p) {
        *problemOut = std::move(p);
        return -1;
    };
    if (path.isEmpty()) {
        ExchangeProblem p = problem(Kind::System, path);
        p.detail = QStringLiteral("no file name");
        return fail(std::move(p));
    }
    if (ExchangeProblem p = checkPrivateFolder(QFileInfo(path).absolutePath()); !p.ok())
        return fail(std::move(p));

    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0) {
        // Refused before it is opened: opening a pipe or truncating a foreign file has effects.
        if (ExchangeProblem p = checkEntry(info, path, false); !p.ok()) return fail(std::move(p));
    } else if (errno != ENOENT || access == ExchangeAccess::Read) {
        return fail(ExchangeProblem::fromErrno(path));
    }

    // Not truncated on opening: only once the descriptor is known to be the user's own file.
    // O_NONBLOCK keeps a pipe put there meanwhile from holding the open up.
    const int flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK |
                      (access == ExchangeAccess::Write ? O_WRONLY | O_CREAT : O_RDONLY);
    const int fd = ::open(name.constData(), flags, 0600);
    if (fd < 0)
        return fail(errno == ELOOP ? problem(Kind::Link, path) : ExchangeProblem::fromErrno(path));
    const auto failOpen = [&](ExchangeProblem p) {
        ::close(fd);
        return fail(std::move(p));
    };
    if (::fstat(fd, &info) != 0) return failOpen(ExchangeProblem::fromErrno(path));
    if (ExchangeProblem p = checkEntry(info, path, false); !p.ok()) return failOpen(std::move(p));
    if (access == ExchangeAccess::Write) {
        // A file left by an older version may be readable by others.
        if ((info.st_mode & 07777) != 0600 && ::fchmod(fd, 0600) != 0)
            return failOpen(ExchangeProblem::fromErrno(path));
        if (::ftruncate(fd, 0) != 0) return failOpen(ExchangeProblem::fromErrno(path));
    }
    *problemOut = {};
    return fd;
}

bool makePrivateFolder(const QString& folder, QString* error) {
    const ExchangeProblem p = makePrivateFolder(folder);
    if (!p.ok()) *error = p.describe();
    return p.ok();
}
