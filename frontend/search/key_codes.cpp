// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_codes.h"

namespace {

// Ctrl without Alt (AltGr types characters): only letters, "[", Enter and Backspace make a control
// character. The platform's text is ignored: X11 gives Ctrl+1 the text "1", which types nothing.
std::optional<int> controlCode(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    if (key == Qt::Key_BracketLeft) return 27; // the Escape character
    return std::nullopt;
}

} // namespace

std::optional<int> characterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13; // Ctrl+Enter is a line feed, which starts no search
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    default:
        break;
    }
    if (ctrl && !(modifiers & Qt::AltModifier)) return controlCode(key);
    switch (key) {
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete: // some platforms give it the text DEL; it types nothing
        return std::nullopt;
    default:
        break;
    }
    if (text.isEmpty()) return std::nullopt;
    return text.at(0).unicode();
}
