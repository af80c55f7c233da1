// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dictionary's short name shown above the query box.

#include <QString>

#include <optional>

// The part of a path after its last '/'; the whole path when it has none.
QString fileNamePart(const QString& path);

// The file name up to its first ".txt" in any case; none when the name holds no ".txt".
std::optional<QString> shortNameOf(const QString& fileName);
