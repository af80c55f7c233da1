// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's settings, read live from the options window's controls.
// Reading one creates the options window, hidden, if it does not exist yet.

#include <QString>

namespace settings {
constexpr int kDefaultRootPercent = 50; // at start and after "Defaults"

bool nlOn();               // useNL checked
bool wlOn();               // useWL checked
QString rootPercentText(); // text of NEsca
bool italian();            // LinguaIta selected
} // namespace settings
