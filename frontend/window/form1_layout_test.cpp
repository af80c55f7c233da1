// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout as the window is resized and the answer changes.
#include "dictionary_search.h"
#include "form1.h"
#include "form2.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <initializer_list>
#include <memory>

class Form1LayoutTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void init();

    void resize_data();
    void resize();
    void answerBoxLines_data();
    void answerBoxLines();
    void longAnswerInLowWindow();
    void windowTooLowForTwoLines();
    void minimizedWindowKeepsLayout();
    void resizeWhileLayoutYields();

private:
    QWidget* client() const { return form_->centralWidget(); }
    void setAnswerWidth(double boxWidths);
    void resizeOuter(QSize outer);
};

void Form1LayoutTest::init() {
    shownWindow();
}

// Puts into OmbraRisp a one-line text at least boxWidths answer-box widths wide.
void Form1LayoutTest::setAnswerWidth(double boxWidths) {
    const double target = boxWidths * ui().Risposta->width();
    const QFontMetrics metrics(ui().OmbraRisp->font());
    QString text;
    while (metrics.horizontalAdvance(text) < target)
        text += QStringLiteral("word ");
    ui().OmbraRisp->setText(text); // as the search does: no resize of the label
}

// Resizes the window by its outer (frame) size, the size the minimum rule is about.
void Form1LayoutTest::resizeOuter(QSize outer) {
    const QSize frame = form_->frameGeometry().size() - form_->size();
    form_->resize(outer - frame);
}

void Form1LayoutTest::resize_data() {
    QTest::addColumn<QSize>("requested"); // outer size in pixels (15 twips each)
    QTest::addColumn<QSize>("outer");
    QTest::newRow("larger") << QSize(1000, 700) << QSize(1000, 700);
    QTest::newRow("4965 twips wide is kept") << QSize(331, 400) << QSize(331, 400);
    QTest::newRow("4935 twips wide snaps to 5010") << QSize(329, 400) << QSize(334, 400);
    QTest::newRow("too low") << QSize(600, 200) << QSize(600, 252);
    QTest::newRow("too low also widens") << QSize(332, 200) << QSize(334, 252);
    QTest::newRow("far too small") << QSize(50, 50) << QSize(334, 252);
    QTest::newRow("odd width") << QSize(801, 455) << QSize(801, 455);
}

void Form1LayoutTest::resize() {
    QFETCH(QSize, requested);
    QFETCH(QSize, outer);
    resizeOuter(requested);
    QCOMPARE(form_->frameGeometry().size(), outer);

    const int sw = client()->width();
    const int sh = client()->height();
    // Boxes end 16 pixels from the right edge, WL 14, EXIT 16.
    QCOMPARE(ui().Parola->geometry().right() + 1, sw - 16);
    QCOMPARE(ui().Risposta->geometry().right() + 1, sw - 16);
    QCOMPARE(ui().ListY->geometry().right() + 1, sw - 14);
    QCOMPARE(ui().CmdEsci->geometry().right() + 1, sw - 16);
    QCOMPARE(ui().LabIng->geometry().left(), ui().Parola->geometry().left());
    QCOMPARE(ui().LabIng->width(), ui().Parola->width());
    QCOMPARE(ui().LabIta->width(), ui().Risposta->width());
    QCOMPARE(ui().LabVediAnche->geometry().left(), ui().ListZ->geometry().left());
    QCOMPARE(ui().LabVediAnche->width(), ui().ListZ->width());
    QCOMPARE(ui().LabAllInterno->geometry().left(), ui().ListY->geometry().left());
    QCOMPARE(ui().LabAllInterno->width(), ui().ListY->width());
    // One pixel between NL and WL; the empty frame keeps NL's rectangle.
    QCOMPARE(ui().ListY->geometry().left() - ui().ListZ->geometry().right(), 2);
    QCOMPARE(ui().ListZZ->geometry(), ui().ListZ->geometry());
    // The keep box is centred on WL's left edge (to the rounding of both).
    const double centre = ui().Sbianca->x() + ui().Sbianca->width() / 2.0;
    QVERIFY(qAbs(centre - ui().ListY->x()) <= 1.0);
    QCOMPARE(ui().Puntina->geometry(), ui().PuntinaOK->geometry());
    QVERIFY(qAbs(ui().Puntina->x() - (ui().Sbianca->x() - 27.2)) <= 1.0);
    // Vertically: bottom row 30 above the lower edge, lists ending 9 above it.
    QCOMPARE(form_->findChild<DictionarySearch*>()->BottomRowTop, float(sh - 30));
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui().CmdBack, ui().CmdForw, ui().CmdPagP, ui().CmdPagN,
                                         ui().Sbianca, ui().Puntina, ui().CmdEsci})
        QCOMPARE(w->y(), sh - 30);
    for (QWidget* list :
         std::initializer_list<QWidget*>{ui().Storia, ui().ListZ, ui().ListZZ, ui().ListY}) {
        QCOMPARE(list->y(), 135);
        QCOMPARE(list->geometry().bottom() + 1, sh - 39);
    }
    for (QLabel* label : {ui().LabStoria, ui().LabVediAnche, ui().LabAllInterno})
        QCOMPARE(label->y(), 119);
}

void Form1LayoutTest::answerBoxLines_data() {
    QTest::addColumn<double>("boxWidths");
    QTest::addColumn<int>("height");
    QTest::newRow("short answer") << 0.3 << 40;
    QTest::newRow("1.5 widths") << 1.5 << 40;
    QTest::newRow("2.5 widths") << 2.5 << 60;
    QTest::newRow("4.5 widths") << 4.5 << 100;
}

void Form1LayoutTest::answerBoxLines() {
    QFETCH(double, boxWidths);
    QFETCH(int, height);
    setAnswerWidth(boxWidths);
    form_->LayoutVertical();
    QCOMPARE(ui().Risposta->geometry(), QRect(88, 72, client()->width() - 104, height));
    const int listsTop = 72 + height + 7;
    QCOMPARE(form_->findChild<DictionarySearch*>()->ListsTop, float(listsTop));
    QCOMPARE(ui().LabVediAnche->y(), listsTop);
    for (QWidget* list :
         std::initializer_list<QWidget*>{ui().Storia, ui().ListZ, ui().ListZZ, ui().ListY}) {
        QCOMPARE(list->y(), listsTop + 16);
        QCOMPARE(list->height(), client()->height() - 30 - listsTop - 25);
    }
}

void Form1LayoutTest::longAnswerInLowWindow() {
    resizeOuter(QSize(334, 252));
    setAnswerWidth(40);
    form_->LayoutVertical();
    const int lines = ui().Risposta->height() / 20;
    QVERIFY(lines >= 2);
    QCOMPARE(ui().Risposta->height(), 20 * lines);
    // As many lines as leave the lists at least one pixel, and not one more.
    QVERIFY(ui().ListZ->height() >= 1);
    QVERIFY(lines == 2 || ui().ListZ->height() <= 20);
}

void Form1LayoutTest::windowTooLowForTwoLines() {
    // Lower than the minimum window allows: two lines still, and lists of no height.
    client()->resize(client()->width(), 100);
    setAnswerWidth(10);
    form_->LayoutVertical();
    QCOMPARE(ui().Risposta->height(), 40);
    QCOMPARE(form_->findChild<DictionarySearch*>()->BottomRowTop, 70.f);
    for (QWidget* list :
         std::initializer_list<QWidget*>{ui().Storia, ui().ListZ, ui().ListZZ, ui().ListY})
        QCOMPARE(list->height(), 0);
}

void Form1LayoutTest::minimizedWindowKeepsLayout() {
    const QRect parola = ui().Parola->geometry();
    const QRect exit = ui().CmdEsci->geometry();
    form_->setWindowState(Qt::WindowMinimized);
    form_->resize(900, 600);
    QCOMPARE(ui().Parola->geometry(), parola);
    QCOMPARE(ui().CmdEsci->geometry(), exit);

    form_->setWindowState(Qt::WindowNoState);
    form_->resize(901, 601);
    QCOMPARE(ui().Parola->width(), client()->width() - 104);
}

void Form1LayoutTest::resizeWhileLayoutYields() {
    // A resize that arrives while the layout lets events run lays the window out at once; the
    // interrupted layout then finishes with the new size.
    bool resized = false;
    QTimer::singleShot(0, form_.get(), [this, &resized] {
        form_->resize(900, 600);
        resized = true;
    });
    form_->LayoutVertical();
    QVERIFY(resized); // nothing else lets events run before this line
    QCOMPARE(form_->size(), QSize(900, 600));
    const int sh = client()->height();
    QCOMPARE(form_->findChild<DictionarySearch*>()->BottomRowTop, float(sh - 30));
    QCOMPARE(ui().ListZ->geometry().bottom() + 1, sh - 39);
    QCOMPARE(ui().Parola->width(), client()->width() - 104);
    QCOMPARE(ui().CmdEsci->y(), sh - 30);
}

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
