// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one typeface: "MS Sans Serif" where it is installed, otherwise the platform's
// sans-serif font at the same size.

#include <QFont>

namespace ui {
constexpr qreal kNormalPoints = 8.25;
constexpr qreal kLargePoints = 9.75;

QFont msSansSerif(qreal points, bool bold = false);
} // namespace ui
