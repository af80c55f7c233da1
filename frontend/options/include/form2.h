// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options window. Its controls are the program's settings; there is one instance for the
// life of the process, created hidden the first time anything touches it. Its reactions tell the
// main window what changed through OptionChanges.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // The one options window, created hidden with its start values on first use.
    static Form2& instance();
    static bool exists();
    // Drops the instance, so the next touch creates a fresh one (tests).
    static void discardInstance();

    ~Form2() override;

    // Controls, in creation order. Each widget's objectName is its member name.
    QRadioButton* LinguaIng = nullptr;
    QRadioButton* LinguaIta = nullptr;
    QCheckBox* useWL = nullptr;
    QCheckBox* useNL = nullptr;
    QPushButton* CmdDefaults = nullptr;
    QPushButton* ComExit = nullptr;
    QComboBox* NEsca = nullptr;
    QFrame* Shape2 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Shape4 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label1 = nullptr;

    void useNL_Click();
    void useWL_Click();
    void NEsca_Click();
    void CmdDefaults_Click();
    void comExit_Click();
    void LinguaIng_Click();
    void LinguaIta_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form2();
    // Captions, accessible names and descriptions in one language; at creation and on a switch.
    void applyCaptions(bool italian);
    void setUpWindow();
    void createControls();
    void setFonts();
    void orderTabStops();
    void routeEvents();
    void routeLanguageButton(QRadioButton* button, void (Form2::*reaction)());

    bool languagePressedWhileSelected_ = false; // a click that will not change the selection
};
