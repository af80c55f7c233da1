// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search needs of the window that holds it.

class UserPrompts;

class SearchHost {
public:
    virtual ~SearchHost() = default;
    // Lays the window out again once a search has measured its translation.
    virtual void LayoutVertical() = 0;
    // The file dialog, the messages and the program's end.
    virtual UserPrompts& prompts() = 0;
};
