// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_math.h"

#include <cmath>

namespace layout {

namespace {
constexpr float kMinWidthTwips = 4950;
constexpr float kCorrectedWidthTwips = 5010;
constexpr float kMinHeightTwips = 3780;
constexpr float kListGap = 33;           // QHL's left margin, the gap after it and after NL
constexpr float kBottomRowFromEdge = 30; // bottom row's top above the lower edge
constexpr float kListsBelowAnswer = 7;
constexpr float kPinOverlap = 0.8f;
} // namespace

std::optional<QSizeF> correctedOuterSize(QSizeF outerTwips) {
    if (outerTwips.width() >= kMinWidthTwips && outerTwips.height() >= kMinHeightTwips)
        return std::nullopt;
    QSizeF corrected = outerTwips;
    // The width is raised to 5010 whenever a correction is made, also for a window that is
    // only too low.
    if (corrected.width() < kCorrectedWidthTwips) corrected.setWidth(kCorrectedWidthTwips);
    if (corrected.height() < kMinHeightTwips) corrected.setHeight(kMinHeightTwips);
    return corrected;
}

Columns columns(float clientWidth) {
    Columns c{};
    c.parolaWidth = clientWidth - kParolaLeft - kRightMargin;
    c.rispostaWidth = clientWidth - kRispostaLeft - kRightMargin;
    c.listWidth = (clientWidth - kListGap - kStoriaWidth) / 2;
    c.listYLeft = kListZLeft + c.listWidth + 1;
    return c;
}

int answerLines(float textWidth, float boxWidth) {
    // Both widths are rounded half to even before the whole-number division.
    const long text = std::lrint(textWidth);
    const long box = std::lrint(boxWidth);
    if (box <= 0) return kMinAnswerLines; // a box with no width cannot be measured against
    const long lines = text / box + 1;
    return lines < kMinAnswerLines ? kMinAnswerLines : static_cast<int>(lines);
}

Rows rows(int lines, float clientHeight) {
    Rows r{};
    r.listsTop = kRispostaTop + kAnswerLineHeight * static_cast<float>(lines) + kListsBelowAnswer;
    r.bottomRowTop = clientHeight - kBottomRowFromEdge;
    r.listHeight = r.bottomRowTop - r.listsTop - kButtonHeight;
    return r;
}

BottomRow bottomRow(float clientWidth, float sbiancaWidth, float pinWidth, float exitWidth) {
    BottomRow b{};
    b.sbiancaLeft = columns(clientWidth).listYLeft - sbiancaWidth / 2;
    b.pinLeft = b.sbiancaLeft - kPinOverlap * pinWidth;
    b.exitLeft = clientWidth - exitWidth - kRightMargin;
    return b;
}

QRect toPixels(const QRectF& r) {
    const int left = static_cast<int>(std::lround(r.left()));
    const int top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.left() + r.width()));
    const int bottom = static_cast<int>(std::lround(r.top() + r.height()));
    return QRect(left, top, right - left, bottom - top);
}

} // namespace layout
