// SPDX-License-Identifier: GPL-3.0-or-later
// Lays the main window out again whenever its size or its answer changes.
#include "form1.h"

#include "dictionary_search.h"
#include "layout_math.h"
#include "ui_units.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace {
using Widgets = std::initializer_list<QWidget*>;

void setLeftAndWidth(QWidget* w, float left, float width) {
    w->setGeometry(layout::toPixels(QRectF(left, w->y(), width, w->height())));
}

void setTopAndHeight(QWidget* w, float top, float height) {
    w->setGeometry(layout::toPixels(QRectF(w->x(), top, w->width(), height)));
}

void setTop(QWidget* w, float top) {
    setTopAndHeight(w, top, static_cast<float>(w->height()));
}

void setLeft(QWidget* w, float left) {
    setLeftAndWidth(w, left, static_cast<float>(w->width()));
}
} // namespace

void Form1::Form_Resize() {
    if (isMinimized()) return; // a minimized window keeps its layout

    // Too small a window is made larger first; the resize this causes lays it out at once.
    const QSize outer = frameGeometry().size();
    const auto corrected = layout::correctedOuterSize(QSizeF(outer) * ui::kTwipsPerPixel);
    if (corrected && !correctingSize_) {
        correctingSize_ = true;
        const QSize frame = outer - size();
        resize(qRound(corrected->width() / ui::kTwipsPerPixel) - frame.width(),
               qRound(corrected->height() / ui::kTwipsPerPixel) - frame.height());
        correctingSize_ = false;
    }

    const layout::Columns cols = layout::columns(static_cast<float>(centralWidget()->width()));
    setLeftAndWidth(Parola, layout::kParolaLeft, cols.parolaWidth);
    setLeftAndWidth(Risposta, layout::kRispostaLeft, cols.rispostaWidth);
    setLeftAndWidth(LabIng, layout::kParolaLeft, cols.parolaWidth);
    setLeftAndWidth(LabIta, layout::kRispostaLeft, cols.rispostaWidth);
    for (QWidget* w : Widgets{ListZ, ListZZ, LabVediAnche})
        setLeftAndWidth(w, layout::kListZLeft, cols.listWidth);
    for (QWidget* w : Widgets{ListY, LabAllInterno})
        setLeftAndWidth(w, cols.listYLeft, cols.listWidth);

    LayoutVertical();

    // The vertical layout may have let another resize run; place the bottom row for the
    // window as it is now.
    for (QWidget* w : Widgets{CmdBack, CmdForw, CmdPagP, CmdPagN, Sbianca})
        setTop(w, search_->BottomRowTop);
    const layout::BottomRow row = layout::bottomRow(
        static_cast<float>(centralWidget()->width()), static_cast<float>(Sbianca->width()),
        static_cast<float>(Puntina->width()), static_cast<float>(CmdEsci->width()));
    setLeft(Sbianca, row.sbiancaLeft);
    for (QWidget* pin : Widgets{Puntina, PuntinaOK})
        pin->setGeometry(layout::toPixels(
            QRectF(row.pinLeft, search_->BottomRowTop, pin->width(), pin->height())));
    CmdEsci->setGeometry(layout::toPixels(
        QRectF(row.exitLeft, search_->BottomRowTop, CmdEsci->width(), CmdEsci->height())));
}

void Form1::LayoutVertical() {
    ++layoutDepth_;
    OmbraRisp->adjustSize(); // its caption may have been set without resizing it
    int lines = layout::answerLines(static_cast<float>(OmbraRisp->width()),
                                    static_cast<float>(Risposta->width()));
    layout::Rows rows{};
    for (;;) {
        // Pending events may run here, a resize among them; a nested layout does not yield
        // again, so resizes cannot pile up without end.
        if (layoutDepth_ == 1) QCoreApplication::processEvents();
        rows = layout::rows(lines, static_cast<float>(centralWidget()->height()));
        search_->ListsTop = rows.listsTop;
        search_->BottomRowTop = rows.bottomRowTop;
        if (rows.listHeight > 0 || lines <= layout::kMinAnswerLines) break;
        --lines;
    }
    // Even two lines may leave no room in a window lower than its minimum: lists of no height.
    const float listHeight = std::max(rows.listHeight, 0.0f);

    setTopAndHeight(Risposta, layout::kRispostaTop,
                    layout::kAnswerLineHeight * static_cast<float>(lines));
    for (QWidget* w : Widgets{LabStoria, LabVediAnche, LabAllInterno})
        setTop(w, search_->ListsTop);
    for (QWidget* w : Widgets{Storia, ListZ, ListZZ, ListY})
        setTopAndHeight(w, search_->ListsTop + layout::kCaptionHeight, listHeight);
    --layoutDepth_;
}
