// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that the windows and the search work build from the current state.

#include <QString>

namespace texts {
// Caption of the keep box with the item counts of NL and WL.
QString keepListsCaption(bool italian, int nlCount, int wlCount);
// Caption above NL after a search that filled it; root "*" gives the "all" form.
QString neighboursCaption(bool italian, const QString& root, bool allHeadwords);
// Caption above NL when a percentage is picked in the options: English in both languages.
QString pickedPercentCaption(const QString& percentText);
// The short name shown while no dictionary is chosen.
QString noDictionaryName();
// Caption above QW for a dictionary short name; noDictionaryName() means none.
QString queryCaption(bool italian, const QString& shortName);
// Title of the dialog that chooses a dictionary, the same in both languages.
QString openDialogTitle();
} // namespace texts
