#include "form1.h"

#include "caption_tables.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
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
    const texts::MainCaptions& en = texts::mainCaptions(false);
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mFile = addMenu(bar, "mFile", QStringLiteral("File"));
    mOpen = addEntry(mFile, "mOpen", en.mOpen);
    mChange = addEntry(mFile, "mChange", en.mChange);
    mSep1 = addSeparator(mFile, "mSep1");
    mExit = addEntry(mFile, "mExit", en.mExit);

    mTools = addMenu(bar, "mTools", en.mTools);
    mOpzioni = addEntry(mTools, "mOpzioni", en.mOpzioni);

    mHelp = addMenu(bar, "mHelp", en.mHelp);
    mInstru = addEntry(mHelp, "mInstru", en.mInstru);
    mTips = addEntry(mHelp, "mTips", en.mTips);
    mSep4 = addSeparator(mHelp, "mSep4");
    mAbout = addEntry(mHelp, "mAbout", en.mAbout);
}
