// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every caption of both windows in English and Italian, with the accessible names and
// descriptions that a screen reader reads for the controls. Each window applies its table when
// it is created and again at every language switch (language_switch.h).

#include <QList>
#include <QString>

namespace texts {

// One text in both languages; an empty pair means "nothing to set".
struct TextPair {
    QString english;
    QString italian;
    const QString& in(bool italianText) const { return italianText ? italian : english; }
    bool isEmpty() const { return english.isEmpty() && italian.isEmpty(); }
};

// The texts of one target, named by its object name; the window's own name means its title.
struct CaptionRow {
    const char* target;
    TextPair caption;     // window or menu title, or the text of an entry, button or label
    TextPair name;        // accessible name, where the caption alone does not name the control
    TextPair description; // accessible description, where the name alone is unclear
};
using CaptionTable = QList<CaptionRow>;

// In the order the captions are applied.
const CaptionTable& optionsCaptionTable();
const CaptionTable& mainCaptionTable();

} // namespace texts
