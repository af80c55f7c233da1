// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_actions.h"

#include <QStringList>

#include <array>

namespace {

const std::array<const char*, 23> kindNames = {"choose dictionary",
                                               "type",
                                               "key",
                                               "Enter",
                                               "FIND",
                                               "CLEAR",
                                               "double-click NL",
                                               "double-click WL",
                                               "click history",
                                               "double-click history",
                                               "Back",
                                               "Forward",
                                               "keep box",
                                               "next page",
                                               "previous page",
                                               "options: NL",
                                               "options: WL",
                                               "options: type percentage",
                                               "options: pick percentage",
                                               "options: Defaults",
                                               "options: OK",
                                               "options: language",
                                               "during a read"};

// Weights of the top-level actions, in the order of ActionKind.
constexpr std::array<int, 23> weights = {2, 14, 4, 10, 6, 3, 8, 5, 5, 4, 5, 4,
                                         5, 5,  4, 2,  2, 2, 1, 1, 1, 2, 6};

// Words that find something in each dictionary, and some that do not.
const QStringList utf8Words = {
    "CASA", "casa verde", "CA",  "C", "CITTÀ", "città universitaria", "PERCHÉ", "cane", "  gatto ",
    "TOPO", "*",          "XYZ", "À", "CASALE"};
const QStringList cp1252Words = {"ÄRGER", "ärger", "BÄR",  "ÜBER",  "über", "STRAßE", "ÖL",
                                 "Ö",     "*",     "GRÜN", "GRÜNE", "Ä",    "ÉCLAIR", "QQQ"};
const QStringList longWords = {"AHOY", "SHOE", "SHOES", "HOY", "HO1", "HO12", "HO123"};
// Short random words, blanks and the "*" included.
const QString letters = QStringLiteral("ACHOSTÄÉ* ");

} // namespace

QString Action::describe() const {
    QString d = QString::fromLatin1(kindNames[static_cast<std::size_t>(kind)]);
    if (!text.isNull()) d += QStringLiteral(" \"%1\"").arg(text);
    d += QStringLiteral(" #%1").arg(number);
    if (during) d += QStringLiteral(", meanwhile: ") + during->describe();
    return d;
}

QString ActionGenerator::word() {
    if (below(8) == 0) {
        QString w;
        for (int n = 1 + below(3); n > 0; --n)
            w += letters.at(below(static_cast<int>(letters.size())));
        return w;
    }
    if (dictionary_ == 2) {
        // Rarely the words with 40,000 neighbours: each fills NL with 32,000 items.
        if (below(5) == 0) return QStringList{"H", "HO", "*"}.at(below(3));
        if (below(3) == 0) return QStringLiteral("HO%1").arg(below(40000), 5, 10, QChar(u'0'));
        return longWords.at(below(static_cast<int>(longWords.size())));
    }
    const QStringList& pool = dictionary_ == 0 ? utf8Words : cp1252Words;
    return pool.at(below(static_cast<int>(pool.size())));
}

Action ActionGenerator::simple(ActionKind kind) {
    Action a;
    a.kind = kind;
    a.number = below(1 << 20);
    switch (kind) {
    case ActionKind::ChooseDictionary:
        // One choice in eight is cancelled (-1).
        a.number = below(8) == 0 ? -1 : below(dictionaryCount);
        if (a.number >= 0) dictionary_ = a.number;
        break;
    case ActionKind::TypeWord:
        a.text = word();
        break;
    case ActionKind::TypePercent:
        a.text =
            QStringList{"0", "25", "50", "60", "75", "100", "150", "abc", "-5", "99999999999"}.at(
                below(10));
        break;
    default:
        break;
    }
    return a;
}

// A search or a page change, with another action arriving while it reads its results.
Action ActionGenerator::readingAction() {
    static constexpr std::array<ActionKind, 6> readers = {
        ActionKind::Enter,         ActionKind::Find,     ActionKind::DoubleClickNL,
        ActionKind::DoubleClickWL, ActionKind::NextPage, ActionKind::PreviousPage};
    Action a = simple(readers[static_cast<std::size_t>(below(static_cast<int>(readers.size())))]);
    const Action meanwhile =
        simple(static_cast<ActionKind>(below(static_cast<int>(ActionKind::DuringRead))));
    a.during = std::make_shared<const Action>(meanwhile);
    return a;
}

Action ActionGenerator::next() {
    int total = 0;
    for (const int w : weights)
        total += w;
    int pick = below(total);
    std::size_t k = 0;
    while (pick >= weights[k])
        pick -= weights[k++];
    const auto kind = static_cast<ActionKind>(k);
    return kind == ActionKind::DuringRead ? readingAction() : simple(kind);
}
