// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of both windows reaches its reaction: one row per event the main window and the
// options window route, acted on as a user does, checked by an effect only that reaction has.
#include "dictionary_search.h"
#include "form1.h"
#include "form2.h"
#include "help_texts.h"
#include "search_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace search_test;

namespace {

template <typename T> T* named(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

// The main window after two searches (CANE, then CASA) in the Italian dictionary.
struct Scene {
    FakePrompts prompts;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(prompts);
    DictionarySearch& search = *form->findChild<DictionarySearch*>();

    template <typename T = QWidget> T* main(const char* name) { return named<T>(form.get(), name); }
    template <typename T = QWidget> T* option(const char* name) {
        return named<T>(&Form2::instance(), name);
    }
    QString picked; // the list item acted on
    QString answer() { return main<QPlainTextEdit>("Risposta")->toPlainText(); }
    QString query() { return main<QLineEdit>("Parola")->text(); }
    // Reactions called directly, so that a scene does not rest on the routing under test.
    void open(const QString& path) {
        prompts.answers.append({path, {}});
        search.view().mOpen->isEnabled() ? search.mOpen_Click() : search.mChange_Click();
    }
    void find(const QString& word) {
        search.view().Parola->setText(word);
        search.HistoryFlag = DictionarySearch::HistoryRecord; // as typing it would
        search.CmdVai_Click();
    }
};

void mouseClickRow(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

void enterOnRow(QAbstractItemView* list, int row) {
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

using Step = std::function<void(Scene&)>;

struct Row {
    Step prepare;                        // beyond the two searches
    Step act;                            // what the user does
    std::function<bool(Scene&)> reacted; // the effect only the reaction has
    bool holdsAlready = false;           // the reaction keeps a state that holds before
};

QString italianPath, englishPath, longPath;

Step trigger(const char* entry) {
    return [entry](Scene& s) { named<QAction>(s.form.get(), entry)->trigger(); };
}

// A left click near the left edge: on a button, or on a box's square.
Step click(const char* name, bool options = false) {
    return [name, options](Scene& s) {
        QWidget* w = options ? s.option(name) : s.main(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    };
}

Step choose(const QString* path, const char* entry) {
    return [path, entry](Scene& s) {
        s.prompts.answers.append({*path, {}});
        trigger(entry)(s);
    };
}

Row helpRow(const char* entry, texts::HelpMessage (*text)(bool)) {
    return {nullptr, trigger(entry), [text](Scene& s) {
                return s.prompts.messages.size() == 1 &&
                       s.prompts.messages[0].text == text(false).text;
            }};
}

// A list item acted on searches it: the query box takes its text and the answer is its
// translation.
Row listRow(const char* list, int row, void (*how)(QAbstractItemView*, int)) {
    return {[list](Scene& s) {
                if (QString::fromLatin1(list) == QLatin1String("Storia")) s.find("gatto");
            },
            [list, row, how](Scene& s) {
                auto* shown = s.main<QAbstractItemView>(list);
                s.picked = items(shown).value(row);
                how(shown, row);
            },
            [](Scene& s) {
                return s.query() == s.picked && !s.answer().isEmpty() && s.answer() != "cat";
            }};
}

// Enter in the percentage box is no pick: the caption above NL stays as it was.
Row percentEnterRow(bool onText) {
    return {[](Scene& s) {
                s.option<QComboBox>("NEsca")->lineEdit()->setText("75");
                s.picked = s.search.view().LabVediAnche->text();
            },
            [onText](Scene& s) {
                auto* box = s.option<QComboBox>("NEsca");
                QTest::keyClick(onText ? static_cast<QWidget*>(box->lineEdit()) : box,
                                Qt::Key_Return);
            },
            [](Scene& s) { return s.main<QLabel>("LabVediAnche")->text() == s.picked; }, true};
}

// The translation and the counts of NL and WL, as the screen shows them.
QString answerAndLists(Scene& s) {
    return QStringLiteral("%1 %2 %3")
        .arg(s.answer())
        .arg(s.main<QAbstractItemView>("ListZ")->model()->rowCount())
        .arg(s.main<QAbstractItemView>("ListY")->model()->rowCount());
}

const std::map<QString, Row>& rows() {
    static const std::map<QString, Row> table = {
        {"File > Open dictionary",
         {nullptr, choose(&italianPath, "mOpen"),
          [](Scene& s) { return s.main<QLabel>("nomepurobreve")->text() == "it"; }}},
        {"File > Change dictionary",
         {nullptr, choose(&englishPath, "mChange"),
          [](Scene& s) { return s.main<QLabel>("nomepurobreve")->text() == "en"; }}},
        {"File > Exit",
         {nullptr, trigger("mExit"), [](Scene& s) { return s.prompts.endCalls == 1; }}},
        {"Tools > Options",
         {nullptr, trigger("mOpzioni"),
          [](Scene&) { return Form2::exists() && Form2::instance().isVisible(); }}},
        {"Help > Instructions", helpRow("mInstru", texts::instructions)},
        {"Help > Tips", helpRow("mTips", texts::tips)},
        {"Help > About", helpRow("mAbout", texts::about)},
        {"FIND",
         {[](Scene& s) { s.search.view().Parola->setText("gatto"); }, click("CmdVai"),
          [](Scene& s) { return s.answer() == "cat"; }}},
        {"CLEAR", {nullptr, click("CmdClear"), [](Scene& s) { return s.query().isEmpty(); }}},
        {"EXIT", {nullptr, click("CmdEsci"), [](Scene& s) { return s.prompts.endCalls == 1; }}},
        {"history back", {nullptr, click("CmdBack"), [](Scene& s) { return s.query() == "CANE"; }}},
        {"history forward",
         {[](Scene& s) { s.search.CmdBack_Click(); }, click("CmdForw"),
          [](Scene& s) { return s.query() == "CASA"; }}},
        {"next NL page",
         {[](Scene& s) {
              s.open(longPath);
              s.find("H");
          },
          click("CmdPagN"), [](Scene& s) { return s.search.NLPage == 2; }}},
        {"previous NL page",
         {[](Scene& s) {
              s.open(longPath);
              s.find("H");
              s.search.CmdPagN_Click();
          },
          click("CmdPagP"), [](Scene& s) { return s.search.NLPage == 1; }}},
        {"keep box",
         {nullptr, click("Sbianca"), [](Scene& s) { return s.main("PuntinaOK")->isVisible(); }}},
        {"double-click NL", listRow("ListZ", 2, doubleClick)},
        {"Enter on NL", listRow("ListZ", 2, enterOnRow)},
        {"double-click WL", listRow("ListY", 0, doubleClick)},
        {"Enter on WL", listRow("ListY", 0, enterOnRow)},
        {"double-click QHL", listRow("Storia", 0, doubleClick)},
        {"Enter on QHL", listRow("Storia", 0, enterOnRow)},
        {"click on QHL",
         {[](Scene& s) { s.find("gatto"); },
          [](Scene& s) { mouseClickRow(s.main<QListWidget>("Storia"), 0); },
          [](Scene& s) { return s.query() == items(s.search.view().Storia).value(0); }}},
        {"key down in QW", // a key without a character still arms the history
         {[](Scene& s) { s.search.HistoryFlag = DictionarySearch::HistoryIdle; },
          [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_Left); },
          [](Scene& s) { return s.search.HistoryFlag == DictionarySearch::HistoryRecord; }}},
        {"character typed in QW",
         {nullptr, [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_S); },
          [](Scene& s) { return s.answer().isEmpty(); }}},
        {"Ctrl+1 in QW types nothing", // X11 gives it the text "1"; the answer stays
         {[](Scene& s) { s.picked = answerAndLists(s); },
          [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_1, Qt::ControlModifier); },
          [](Scene& s) { return !s.answer().isEmpty() && answerAndLists(s) == s.picked; }, true}},
        {"Enter in QW",
         {[](Scene& s) { s.search.view().Parola->setText("gatto"); },
          [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_Return); },
          [](Scene& s) { return s.answer() == "cat"; }}},
        {"composed character in QW",
         {nullptr,
          [](Scene& s) {
              QInputMethodEvent event({}, {});
              event.setCommitString(QStringLiteral("à"));
              QCoreApplication::sendEvent(s.main("Parola"), &event);
          },
          [](Scene& s) { return s.answer().isEmpty(); }}},
        {"options: NL box",
         {nullptr, click("useNL", true),
          [](Scene& s) { return !s.main("LabVediAnche")->isEnabled(); }}},
        {"options: WL box",
         {nullptr, click("useWL", true),
          [](Scene& s) { return !s.main("LabAllInterno")->isEnabled(); }}},
        {"options: percentage picked",
         {nullptr, [](Scene& s) { QTest::keyClick(s.option("NEsca"), Qt::Key_Up); },
          [](Scene& s) { return s.main<QLabel>("LabVediAnche")->text().contains("75%"); }}},
        {"options: Enter in the percentage box", percentEnterRow(false)},
        {"options: Enter in the percentage text", percentEnterRow(true)},
        {"options: Defaults",
         {[](Scene&) { Form2::instance().useWL->setChecked(false); }, click("CmdDefaults", true),
          [](Scene& s) { return s.option<QCheckBox>("useWL")->isChecked(); }}},
        {"options: OK",
         {nullptr, click("ComExit", true), [](Scene&) { return Form2::instance().isHidden(); }}},
        {"options: Italian",
         {nullptr, click("LinguaIta", true),
          [](Scene& s) { return s.main<QLabel>("LabStoria")->text() != "QUERIES (QHL)"; }}},
        {"options: English",
         {[](Scene&) { Form2::instance().LinguaIta->setChecked(true); }, click("LinguaIng", true),
          [](Scene& s) { return s.main<QLabel>("LabStoria")->text() == "QUERIES (QHL)"; }}},
        // Selected already: no toggle, yet the click re-captions both windows.
        {"options: English clicked again",
         {[](Scene& s) { s.main<QLabel>("LabStoria")->setText("x"); }, click("LinguaIng", true),
          [](Scene& s) { return s.main<QLabel>("LabStoria")->text() == "QUERIES (QHL)"; }}},
    };
    return table;
}

} // namespace

class Form1WiringTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { Form2::discardInstance(); }
    void eachControlReachesItsReaction_data();
    void eachControlReachesItsReaction();

private:
    QTemporaryDir cache_;
};

void Form1WiringTest::initTestCase() {
    QVERIFY(cache_.isValid());
    useTemporaryCache(cache_);
    italianPath = writeDictionary(cache_, "it.txt", italianEntries());
    englishPath = writeDictionary(cache_, "en.txt", {{"CAT", "gatto"}, {"DOG", "cane"}});
    longPath = writeDictionary(cache_, "long.txt", longEntries());
}

void Form1WiringTest::eachControlReachesItsReaction_data() {
    QTest::addColumn<QString>("name");
    for (const auto& [name, row] : rows())
        QTest::newRow(qPrintable(name)) << name;
}

void Form1WiringTest::eachControlReachesItsReaction() {
    QFETCH(QString, name);
    const Row& row = rows().at(name);
    Scene s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    if (name != "File > Open dictionary") {
        s.open(italianPath);
        s.find("cane");
        s.find("casa");
    }
    if (name.startsWith("options:")) {
        Form2::instance().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form2::instance()));
    }
    if (row.prepare) row.prepare(s);
    QVERIFY(row.holdsAlready || !row.reacted(s)); // not yet
    row.act(s);
    const QString state = QStringLiteral("QW \"%1\", PT \"%2\", NL %3, WL %4, QHL %5")
                              .arg(s.query(), s.answer())
                              .arg(s.search.view().ListZ->count())
                              .arg(s.search.view().ListY->count())
                              .arg(s.search.view().Storia->count());
    QVERIFY2(row.reacted(s), qPrintable(state));
}

QTEST_MAIN(Form1WiringTest)
#include "form1_wiring_test.moc"
