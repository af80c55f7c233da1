// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The switching rule: a window takes the texts of its caption table in one language.

#include "caption_tables.h"

class QObject;

namespace texts {
// Sets each row's texts on the target of that name inside window, in table order. Targets that
// do not exist are skipped.
void applyCaptions(QObject& window, const CaptionTable& table, bool italian);
} // namespace texts
