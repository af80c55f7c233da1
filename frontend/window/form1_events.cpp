// SPDX-License-Identifier: GPL-3.0-or-later
// Routes every event of the main window to its reaction; the search's controls go through the
// search's own routing.
#include "form1.h"

#include "search_routing.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

void Form1::routeEvents() {
    routeSearchEvents(*search_);
    connect(mExit, &QAction::triggered, this, &Form1::mExit_Click);
    connect(mOpzioni, &QAction::triggered, this, &Form1::mOpzioni_Click);
    connect(mInstru, &QAction::triggered, this, &Form1::mInstru_Click);
    connect(mTips, &QAction::triggered, this, &Form1::mTips_Click);
    connect(mAbout, &QAction::triggered, this, &Form1::mAbout_Click);
    connect(CmdEsci, &QPushButton::clicked, this, &Form1::CmdEsci_Click);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept(); // the close is never refused
    Form_Unload();
}
