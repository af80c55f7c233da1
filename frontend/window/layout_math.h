// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's layout arithmetic, free of widgets: positions in pixels as floats,
// the window's outer size in twips.

#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <optional>

namespace layout {

// Design values the layout keeps fixed.
constexpr float kParolaLeft = 88;
constexpr float kRispostaLeft = 88;
constexpr float kRispostaTop = 72;
constexpr float kStoriaWidth = 102;
constexpr float kListZLeft = 120;
constexpr float kRightMargin = 16;
constexpr float kButtonHeight = 25;
constexpr float kAnswerLineHeight = 20;
constexpr float kCaptionHeight = 16; // a list's caption above it
constexpr int kMinAnswerLines = 2;

// The outer size (twips) the window must be set to, or nothing when it is large enough.
std::optional<QSizeF> correctedOuterSize(QSizeF outerTwips);

// Horizontal placement for a client area clientWidth pixels wide.
struct Columns {
    float parolaWidth;
    float rispostaWidth;
    float listWidth; // ListZ, ListZZ and ListY
    float listYLeft;
};
Columns columns(float clientWidth);

// Lines the answer box needs for a one-line text textWidth wide in a box boxWidth wide.
int answerLines(float textWidth, float boxWidth);

// Vertical placement with the answer box given `lines` lines.
struct Rows {
    float listsTop;     // captions above the lists
    float bottomRowTop; // buttons, keep box, pins, EXIT
    float listHeight;   // may be 0 or less when the window is too low
};
Rows rows(int lines, float clientHeight);

struct BottomRow {
    float sbiancaLeft; // keep box centred on the border between NL and WL
    float pinLeft;     // pushpins overlapping the keep box's first fifth
    float exitLeft;
};
BottomRow bottomRow(float clientWidth, float sbiancaWidth, float pinWidth, float exitWidth);

// Whole pixels for a fractional rectangle: each edge rounded to the nearest pixel.
QRect toPixels(const QRectF& r);

} // namespace layout
