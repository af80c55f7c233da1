// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_fonts.h"

#include <QStringList>

namespace ui {

QFont msSansSerif(qreal points, bool bold) {
    QFont font;
    // Where it is missing, a face with similar metrics keeps captions inside their controls;
    // failing those, the platform's sans-serif.
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace ui
