// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: its controls and its own reactions. The search side (dictionary choice,
// search driver, pages, history, query entry) is an object of frontend/search that the window
// creates, hands its controls and routes their events to.

#include "search_host.h"

#include <QMainWindow>
#include <QString>
#include <QtGlobal>

#include <memory>

class QAction;
class QCheckBox;
class QFile;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class ResultList;

class DictionarySearch;
struct SearchView;
class UserPrompts;

class Form1 : public QMainWindow, public SearchHost {
    Q_OBJECT
public:
    // prompts answers the file dialog and message boxes and ends the program; tests pass a fake.
    explicit Form1(UserPrompts& prompts, QWidget* parent = nullptr);
    ~Form1() override;

    // Window reactions (frontend/window).
    void Form_Resize();
    void Form_Unload();
    void CmdEsci_Click();
    void mExit_Click();
    void mOpzioni_Click();
    void mInstru_Click();
    void mTips_Click();
    void mAbout_Click();
    void LayoutVertical() override;

    UserPrompts& prompts() override { return prompts_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls, in creation order. Each widget's objectName is its member name, by which tests
    // find it.
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

    // Menus and their entries.
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

    void setUpWindow();
    void createControls();
    void createMenus();
    void setStartSize();
    void setFonts();
    void setColours();
    void setStartStates();
    void orderTabStops();
    void routeEvents();
    // The search side, given the controls it acts on.
    void createSearch();
    SearchView searchView();
    // Captions, accessible names and descriptions in one language; at creation and on a switch.
    void applyCaptions(bool italian);
    // The options window's changes that show here: NL and WL captions, the interface language.
    void followOptions();

    UserPrompts& prompts_;
    std::unique_ptr<DictionarySearch> search_;
    bool correctingSize_ = false; // Form_Resize is setting the minimum size
    int layoutDepth_ = 0;         // nested runs of LayoutVertical
};
