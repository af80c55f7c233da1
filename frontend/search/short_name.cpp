// SPDX-License-Identifier: GPL-3.0-or-later
#include "short_name.h"

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

std::optional<QString> shortNameOf(const QString& fileName) {
    // Searched case-insensitively rather than in an upper-cased copy, whose length may differ.
    const qsizetype at = fileName.indexOf(u".txt", 0, Qt::CaseInsensitive);
    if (at < 0) return std::nullopt;
    return fileName.left(at);
}
