// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which lists the scanner computes (request line 4).

#include <lexscan/exchange_format.h>

using SearchMode = lexscan::Mode;

// keepLists: the keep box is checked; rootLength in characters.
SearchMode searchMode(bool keepLists, bool nlOn, bool wlOn, int rootLength);

inline bool fillsNeighbours(SearchMode mode) {
    return mode == SearchMode::Neighbours || mode == SearchMode::NeighboursAndWhereinto;
}
inline bool fillsWhereinto(SearchMode mode) {
    return mode == SearchMode::Whereinto || mode == SearchMode::NeighboursAndWhereinto;
}
