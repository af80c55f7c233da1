// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Routes the events of the search's controls to its reactions: the File menu's dictionary
// entries, FIND, CLEAR, the arrows, the keep box, clicks, double-clicks and Enter on the lists,
// and the keys and characters typed in the query box. The main window routes through it, and so
// does every test of the search.

class DictionarySearch;

// Connects the controls of the search's view; lives as long as the search.
void routeSearchEvents(DictionarySearch& search);
