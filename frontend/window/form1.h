#pragma once
// The main window: its controls, its shared state and every reaction routed to it.
// The window's own reactions live in frontend/window; the search reactions and procedures
// (dictionary choice, search driver, pages, history, query entry) live in frontend/search.

#include <QMainWindow>
#include <QString>
#include <QtGlobal>

class QAction;
class QCheckBox;
class QFile;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class UserPrompts;
class SearchSession;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // prompts answers the file dialog and message boxes and ends the program; tests pass a fake.
    explicit Form1(UserPrompts& prompts, QWidget* parent = nullptr);
    ~Form1() override;

    // Controls, in creation order. Each widget's objectName is its member name.
    QPushButton* CmdPagN = nullptr;
    QPushButton* CmdPagP = nullptr;
    QListWidget* ListY = nullptr;
    QCheckBox* Sbianca = nullptr;
    QListWidget* Storia = nullptr;
    QPushButton* CmdForw = nullptr;
    QPushButton* CmdBack = nullptr;
    QPushButton* CmdClear = nullptr;
    QListWidget* ListZ = nullptr;
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

    // Shared window state.
    QString DictPath;
    QString DictFileName;
    QString QueryRoot;
    qint16 ExactMatchPos = 0;
    qint16 HistoryFlag = 0; // holds no value at start: neither 1 nor -1
    qint16 NLPage = 0;
    float ListsTop = 0;
    float BottomRowTop = 0;

    // Window reactions (frontend/window).
    void Form_Resize();
    void Form_Unload();
    void CmdEsci_Click();
    void mExit_Click();
    void mOpzioni_Click();
    void mInstru_Click();
    void mTips_Click();
    void mAbout_Click();
    void LayoutVertical();

    // Dictionary choice (frontend/search).
    void mOpen_Click();
    void mChange_Click();
    void OpenDictionary();

    // Search driver, pages, history and query entry (frontend/search).
    void DoSearch();
    void LoadNLPage();
    void RecordHistory();
    void ApplyHistoryEnabling();
    void Storia_Click();
    void Storia_DblClick();
    void CmdBack_Click();
    void CmdForw_Click();
    void Parola_KeyDown(int keyCode);
    void Parola_KeyPress(int charCode);
    void CmdVai_Click();
    void ListZ_DblClick();
    void ListY_DblClick();
    void Sbianca_Click();
    void CmdPagN_Click();
    void CmdPagP_Click();
    void CmdClear_Click();

    UserPrompts& prompts() { return prompts_; }
    // The search state that outlives one reaction (scanner binding, open exchange file, busy flag).
    SearchSession& session() { return *session_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpWindow();
    void createControls();
    void createMenus();
    void setStartSize();
    void setFonts();
    void setColours();
    void setStartStates();
    void orderTabStops();
    void routeEvents();
    // Captions, accessible names and descriptions in one language; at creation and on a switch.
    void applyCaptions(bool italian);
    // The options window's changes that show here: NL and WL captions, the interface language.
    void followOptions();

    UserPrompts& prompts_;
    SearchSession* session_ = nullptr;
    bool correctingSize_ = false; // Form_Resize is setting the minimum size
    int layoutDepth_ = 0;         // nested runs of LayoutVertical
};
