// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The character code a key press produces in the query box, as the key-press reaction expects
// it: Enter 13, Backspace 8, Escape 27, Ctrl+letter 1..26, printable characters their code;
// Ctrl with any other key but "[", Enter and Backspace gives none.

#include <QString>
#include <Qt>

#include <optional>

// Nothing for keys without a character (arrows, Shift, function keys, Delete).
std::optional<int> characterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);
