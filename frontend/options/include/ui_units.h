// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design unit of the windows' outer sizes and of the options window: the twip, 1/1440 inch.

namespace ui {
constexpr int kTwipsPerPixel = 15; // at 96 dots per inch
} // namespace ui
