// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_mode.h"

SearchMode searchMode(bool keepLists, bool nlOn, bool wlOn, int rootLength) {
    if (keepLists || (!nlOn && !wlOn)) return SearchMode::TranslationOnly;
    // A one-letter root would put nearly every headword into WL: only NL is asked for then.
    if (wlOn && rootLength == 1) return SearchMode::Neighbours;
    if (nlOn && wlOn) return SearchMode::NeighboursAndWhereinto;
    return nlOn ? SearchMode::Neighbours : SearchMode::Whereinto;
}
