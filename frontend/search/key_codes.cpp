// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_codes.h"

std::optional<int> characterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13; // Ctrl+Enter is a line feed, which starts no search
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete: // some platforms give it the text DEL; it types nothing
        return std::nullopt;
    default:
        break;
    }
    // Ctrl+letter is a control character, whatever text the platform attached to it.
    const bool ctrlOnly = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (ctrlOnly && key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    if (text.isEmpty()) return std::nullopt;
    return text.at(0).unicode();
}
