// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window does with the options window: it only shows it. The controls themselves
// are read through settings.h.

namespace options {

// Shows the options window, modeless and without an owner, creating it hidden first if nothing
// has touched it yet.
void showWindow();

} // namespace options
