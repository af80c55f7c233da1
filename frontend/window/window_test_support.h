// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's tests share: the exchange file in a temporary cache, the window with a
// fake user, and a fresh options window for each test function.

#include "fake_prompts.h"
#include "form1.h"

#include <QObject>
#include <QTemporaryDir>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class ResultList;

#include <memory>

// The main window's controls and menus, found by objectName as tools outside the window find
// them; each name is the control's name in the window.
struct Form1Controls {
    QPushButton* CmdPagN = nullptr;
    QPushButton* CmdPagP = nullptr;
    ResultList* ListY = nullptr;
    QCheckBox* Sbianca = nullptr;
    QListWidget* Storia = nullptr;
    QPushButton* CmdForw = nullptr;
    QPushButton* CmdBack = nullptr;
    QPushButton* CmdClear = nullptr;
    ResultList* ListZ = nullptr;
    QPlainTextEdit* Risposta = nullptr;
    QLineEdit* Parola = nullptr;
    QPushButton* CmdVai = nullptr;
    QPushButton* CmdEsci = nullptr;
    QListWidget* ListZZ = nullptr;
    QLabel* nomepurobreve = nullptr;
    QLabel* PuntinaOK = nullptr;
    QLabel* Puntina = nullptr;
    QLabel* OmbraRisp = nullptr;
    QLabel* LabAllInterno = nullptr;
    QLabel* LabStoria = nullptr;
    QLabel* LabVediAnche = nullptr;
    QLabel* LabIta = nullptr;
    QLabel* LabIng = nullptr;
    QMenu* mFile = nullptr;
    QAction* mOpen = nullptr;
    QAction* mChange = nullptr;
    QAction* mSep1 = nullptr;
    QAction* mExit = nullptr;
    QMenu* mTools = nullptr;
    QAction* mOpzioni = nullptr;
    QMenu* mHelp = nullptr;
    QAction* mInstru = nullptr;
    QAction* mTips = nullptr;
    QAction* mSep4 = nullptr;
    QAction* mAbout = nullptr;
};
Form1Controls findControls(const Form1& form);

class WindowTestCase : public QObject {
    Q_OBJECT
protected:
    // The main window with prompts_ as its user, created on first use.
    Form1& mainWindow();
    // The same, shown and exposed.
    Form1& shownWindow();
    // The controls of mainWindow().
    Form1Controls ui() { return findControls(mainWindow()); }

    QTemporaryDir cache_;
    FakePrompts prompts_;
    std::unique_ptr<Form1> form_;

private slots:
    void initTestCase();
    void cleanup();
};
