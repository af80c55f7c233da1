// SPDX-License-Identifier: GPL-3.0-or-later
#include "bilingual_texts.h"

namespace texts {

QString keepListsCaption(bool italian, int nlCount, int wlCount) {
    const QString n = QString::number(nlCount);
    const QString m = QString::number(wlCount);
    if (italian)
        return QStringLiteral("Mantieni queste NL (") + n + QStringLiteral(") e WL (") + m + ')';
    return QStringLiteral("Keep current NL (") + n + QStringLiteral(") and WL (") + m + ')';
}

QString neighboursCaption(bool italian, const QString& root, bool allHeadwords) {
    if (allHeadwords)
        return italian ? QStringLiteral("STESSA RADICE - tutti")
                       : QStringLiteral("NEIGHBOURS (NL) - all");
    return (italian ? QStringLiteral("STESSA RADICE - ") : QStringLiteral("NEIGHBOURS (NL) - ")) +
           root;
}

QString pickedPercentCaption(const QString& percentText) {
    return QStringLiteral("NEIGHBOURS (NL) - ") + percentText + QLatin1Char('%');
}

QString noDictionaryName() {
    return QStringLiteral("-");
}

QString queryCaption(bool italian, const QString& shortName) {
    if (shortName == noDictionaryName())
        return italian ? QStringLiteral("DOMANDA (QW)") : QStringLiteral("QUERY (QW)");
    return (italian ? QStringLiteral("DOMANDA (QW) usando: ")
                    : QStringLiteral("QUERY (QW) using: ")) +
           shortName;
}

QString openDialogTitle() {
    return QStringLiteral("Seleziona un file qualsiasi di questa Cartella");
}

} // namespace texts
