// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// Captions come later, from the caption table.
QMenu* addMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}
} // namespace

void Form1::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mFile = addMenu(bar, "mFile");
    mOpen = addEntry(mFile, "mOpen");
    mChange = addEntry(mFile, "mChange");
    mSep1 = addSeparator(mFile, "mSep1");
    mExit = addEntry(mFile, "mExit");

    mTools = addMenu(bar, "mTools");
    mOpzioni = addEntry(mTools, "mOpzioni");

    mHelp = addMenu(bar, "mHelp");
    mInstru = addEntry(mHelp, "mInstru");
    mTips = addEntry(mHelp, "mTips");
    mSep4 = addSeparator(mHelp, "mSep4");
    mAbout = addEntry(mHelp, "mAbout");
}
