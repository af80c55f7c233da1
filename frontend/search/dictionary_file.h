// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check every dictionary choice passes, a cancelled change's old dictionary included.

#include "text_encoding.h"

#include <QString>

struct DictionaryCheck {
    // A folder, a pipe or a device exists but cannot be a dictionary: reading a pipe or a device
    // could hold the window up for good. An unreadable file is left to the search.
    bool refused = false;
    // Nothing is there: a chosen file must exist, whether the dialog or the command line named it.
    bool missing = false;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Opens the file without blocking, so that a pipe in its place cannot hold the window up, and
// decides its encoding from its first bytes.
DictionaryCheck checkDictionary(const QString& path);
