#pragma once
// Texts that the search work builds in the current interface language.

#include <QString>

namespace texts {
// Caption of the keep box with the item counts of NL and WL.
QString keepListsCaption(bool italian, int nlCount, int wlCount);
// Caption above NL after a search that filled it; root "*" gives the "all" form.
QString neighboursCaption(bool italian, const QString& root, bool allHeadwords);
// Caption above QW for a dictionary short name; "-" means none.
QString queryCaption(bool italian, const QString& shortName);
} // namespace texts
