// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One main window driven like a user drives it: only through its controls, found by name, with
// mouse and key events, the menus' entries, the options window's controls and the file dialog's
// stand-in.

#include "fake_prompts.h"
#include "session_actions.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class Form1;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QAbstractItemView;
class QListWidget;
class ResultList;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct MainControls {
    QLineEdit* Parola;
    QPlainTextEdit* Risposta;
    ResultList* ListZ;
    ResultList* ListY;
    QListWidget* Storia;
    QCheckBox* Sbianca;
    QPushButton* CmdVai;
    QPushButton* CmdClear;
    QPushButton* CmdPagN;
    QPushButton* CmdPagP;
    QPushButton* CmdBack;
    QPushButton* CmdForw;
    QAction* mOpen;
    QAction* mChange;
    QAction* mOpzioni;
};

struct OptionControls {
    QWidget* window;
    QCheckBox* useNL;
    QCheckBox* useWL;
    QComboBox* NEsca;
    QRadioButton* LinguaIng;
    QRadioButton* LinguaIta;
    QPushButton* CmdDefaults;
    QPushButton* ComExit;
};

class SessionWindow : public QObject {
public:
    // The dictionaries the dialog may answer, by the index an action names.
    explicit SessionWindow(QStringList dictionaries);
    ~SessionWindow() override;

    void perform(const Action& action);
    const MainControls& controls() const { return c_; }
    QWidget& window();
    FakePrompts prompts;

    // Called around an action that arrives during a read; reading tells whether the read was
    // still going on (the wait cursor showed).
    std::function<void(bool reading)> beforeMeanwhile;
    std::function<void(bool reading)> afterMeanwhile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OptionControls& options();
    void performMain(const Action& a);
    void performOptions(const Action& a);
    void typeWord(const QString& word, bool emptyFirst);
    void doubleClickRow(QAbstractItemView* list, int number);
    void clickRow(QAbstractItemView* list, int number);
    void click(QWidget* button);

    QStringList dictionaries_;
    std::unique_ptr<Form1> form_;
    MainControls c_{};
    std::unique_ptr<OptionControls> options_;
    std::shared_ptr<const Action> armed_; // waits for the next wait cursor
};
