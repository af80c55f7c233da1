// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user actions of a random session and the seeded generator that picks them. An action
// holds every random choice it needs, so a list of actions replays the same way.

#include <QString>

#include <memory>
#include <random>
#include <vector>

enum class ActionKind {
    ChooseDictionary, // File menu, the dialog answers a dictionary or is cancelled
    TypeWord,         // empties the query box with keys (or not), then types a word
    Key,              // Backspace or an arrow key in the query box
    Enter,
    Find,
    Clear,
    DoubleClickNL,
    DoubleClickWL,
    ClickHistory,
    DoubleClickHistory,
    Back,
    Forward,
    Keep,
    NextPage,
    PreviousPage,
    ToggleNL,    // options window
    ToggleWL,    // options window
    TypePercent, // options window: a typed root percentage
    PickPercent, // options window: up or down in the percentage list
    Defaults,    // options window
    OptionsOk,   // options window
    Language,    // options window: English or Italian
    DuringRead,  // a search or page change, with a second action arriving while it reads
};

struct Action {
    ActionKind kind = ActionKind::Enter;
    int number = 0;                       // which row, dictionary, key or button
    QString text;                         // the word or percentage typed
    std::shared_ptr<const Action> during; // DuringRead: the action arriving during the read

    QString describe() const;
};

// The dictionaries a session uses, by index: UTF-8, Windows-1252, 40,000 headwords.
constexpr int dictionaryCount = 3;

class ActionGenerator {
public:
    explicit ActionGenerator(unsigned seed) : random_(seed) {}
    Action next();

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    Action simple(ActionKind kind);
    QString word();
    Action readingAction();

    std::mt19937 random_;
    int dictionary_ = 0; // the one chosen last, for words that find something
};
