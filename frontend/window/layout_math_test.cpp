// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_math.h"

#include <QTest>

#include <optional>

class LayoutMathTest : public QObject {
    Q_OBJECT
private slots:
    void minimumSize_data();
    void minimumSize();
    void columnsAtWidth_data();
    void columnsAtWidth();
    void answerLines_data();
    void answerLines();
    void rowsAtHeight_data();
    void rowsAtHeight();
    void bottomRowAtStartSize();
    void toPixels_data();
    void toPixels();
};

void LayoutMathTest::minimumSize_data() {
    QTest::addColumn<QSizeF>("outer");
    QTest::addColumn<bool>("corrected");
    QTest::addColumn<QSizeF>("expected");
    QTest::newRow("start size") << QSizeF(10290, 6000) << false << QSizeF();
    QTest::newRow("4970 wide is kept") << QSizeF(4970, 5000) << false << QSizeF();
    QTest::newRow("4950 wide is kept") << QSizeF(4950, 3780) << false << QSizeF();
    QTest::newRow("narrower snaps to 5010") << QSizeF(4935, 5000) << true << QSizeF(5010, 5000);
    QTest::newRow("too low") << QSizeF(9000, 3000) << true << QSizeF(9000, 3780);
    QTest::newRow("too low also widens") << QSizeF(4980, 3000) << true << QSizeF(5010, 3780);
    QTest::newRow("both too small") << QSizeF(1500, 1500) << true << QSizeF(5010, 3780);
}

void LayoutMathTest::minimumSize() {
    QFETCH(QSizeF, outer);
    QFETCH(bool, corrected);
    QFETCH(QSizeF, expected);
    const std::optional<QSizeF> result = layout::correctedOuterSize(outer);
    QCOMPARE(result.has_value(), corrected);
    if (corrected) QCOMPARE(*result, expected);
}

void LayoutMathTest::columnsAtWidth_data() {
    QTest::addColumn<float>("clientWidth");
    QTest::addColumn<float>("boxWidth");
    QTest::addColumn<float>("listWidth");
    QTest::addColumn<float>("listYLeft");
    QTest::newRow("start size") << 686.f << 582.f << 275.5f << 396.5f;
    QTest::newRow("minimum width") << 334.f << 230.f << 99.5f << 220.5f;
    QTest::newRow("wide") << 1001.f << 897.f << 433.f << 554.f;
}

void LayoutMathTest::columnsAtWidth() {
    QFETCH(float, clientWidth);
    QFETCH(float, boxWidth);
    QFETCH(float, listWidth);
    QFETCH(float, listYLeft);
    const layout::Columns c = layout::columns(clientWidth);
    QCOMPARE(c.parolaWidth, boxWidth);
    QCOMPARE(c.rispostaWidth, boxWidth);
    QCOMPARE(c.listWidth, listWidth);
    QCOMPARE(c.listYLeft, listYLeft);
    // WL ends 14 pixels from the right edge, one pixel after NL.
    QCOMPARE(c.listYLeft + c.listWidth, clientWidth - 14);
    QCOMPARE(c.listYLeft - (layout::kListZLeft + c.listWidth), 1.f);
}

void LayoutMathTest::answerLines_data() {
    QTest::addColumn<float>("textWidth");
    QTest::addColumn<float>("boxWidth");
    QTest::addColumn<int>("lines");
    QTest::newRow("start text") << 45.f << 582.f << 2;
    QTest::newRow("empty text") << 0.f << 582.f << 2;
    QTest::newRow("exactly one width") << 577.f << 577.f << 2;
    QTest::newRow("1.99 widths") << 1148.f << 577.f << 2;
    QTest::newRow("2.5 widths") << 1442.5f << 577.f << 3;
    QTest::newRow("10 widths") << 5770.f << 577.f << 11;
    // Both widths are rounded half to even before dividing.
    QTest::newRow("text rounds down to even") << 1730.5f << 577.f << 3;
    QTest::newRow("box rounds down to even") << 1152.f << 576.5f << 3;
    QTest::newRow("box of no width") << 500.f << 0.f << 2;
    QTest::newRow("box rounding to no width") << 500.f << 0.4f << 2;
}

void LayoutMathTest::answerLines() {
    QFETCH(float, textWidth);
    QFETCH(float, boxWidth);
    QFETCH(int, lines);
    QCOMPARE(layout::answerLines(textWidth, boxWidth), lines);
}

void LayoutMathTest::rowsAtHeight_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<float>("clientHeight");
    QTest::addColumn<float>("listsTop");
    QTest::addColumn<float>("bottomRowTop");
    QTest::addColumn<float>("listHeight");
    QTest::newRow("start size, 2 lines") << 2 << 363.f << 119.f << 333.f << 189.f;
    QTest::newRow("start size, 3 lines") << 3 << 363.f << 139.f << 333.f << 169.f;
    QTest::newRow("fractional height") << 2 << 300.5f << 119.f << 270.5f << 126.5f;
    QTest::newRow("too low for 2 lines") << 2 << 150.f << 119.f << 120.f << -24.f;
}

void LayoutMathTest::rowsAtHeight() {
    QFETCH(int, lines);
    QFETCH(float, clientHeight);
    QFETCH(float, listsTop);
    QFETCH(float, bottomRowTop);
    QFETCH(float, listHeight);
    const layout::Rows r = layout::rows(lines, clientHeight);
    QCOMPARE(r.listsTop, listsTop);
    QCOMPARE(r.bottomRowTop, bottomRowTop);
    QCOMPARE(r.listHeight, listHeight);
}

void LayoutMathTest::bottomRowAtStartSize() {
    const layout::BottomRow b = layout::bottomRow(686, 249, 34, 73);
    QCOMPARE(b.sbiancaLeft, 272.f); // centred on WL's left edge, 396.5
    QCOMPARE(b.pinLeft, 244.8f);    // 27.2 pixels left of the keep box
    QCOMPARE(b.exitLeft, 597.f);    // EXIT spans 597 to 670
}

void LayoutMathTest::toPixels_data() {
    QTest::addColumn<QRectF>("in");
    QTest::addColumn<QRect>("out");
    QTest::newRow("whole") << QRectF(16, 24, 65, 27) << QRect(16, 24, 65, 27);
    QTest::newRow("NL at start") << QRectF(120, 135, 275.5, 189) << QRect(120, 135, 276, 189);
    QTest::newRow("WL at start") << QRectF(396.5, 135, 275.5, 189) << QRect(397, 135, 275, 189);
    QTest::newRow("query box height") << QRectF(88, 24, 576, 80.0 / 3) << QRect(88, 24, 576, 27);
    QTest::newRow("pin") << QRectF(244.8, 333, 34, 34) << QRect(245, 333, 34, 34);
}

void LayoutMathTest::toPixels() {
    QFETCH(QRectF, in);
    QFETCH(QRect, out);
    QCOMPARE(layout::toPixels(in), out);
}

QTEST_APPLESS_MAIN(LayoutMathTest)
#include "layout_math_test.moc"
