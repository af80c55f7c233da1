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
        search.mOpen->isEnabled() ? search.mOpen_Click() : search.mChange_Click();
    }
    void find(const QString& word) {
        search.Parola->setText(word);
        search.HistoryFlag = DictionarySearch::HistoryRecord; // as typing it would
        search.CmdVai_Click();
    }
};

void mouseClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void enterOnRow(QListWidget* list, int row) {
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
}

struct Row {
    std::function<void(Scene&)> prepare; // beyond the two searches
    std::function<void(Scene&)> act;     // what the user does
    std::function<bool(Scene&)> reacted; // the effect only the reaction has
    bool holdsAlready = false;           // the reaction keeps a state that holds before
};

QString italianPath, englishPath, longPath;

// A list item acted on searches it: the query box takes its text and the answer is its
// translation.
Row listRow(const char* list, int row, void (*how)(QListWidget*, int)) {
    return {[list](Scene& s) {
                if (QString::fromLatin1(list) == QLatin1String("Storia")) s.find("gatto");
            },
            [list, row, how](Scene& s) {
                auto* items = s.main<QListWidget>(list);
                s.picked = items->item(row)->text();
                how(items, row);
            },
            [](Scene& s) {
                return s.query() == s.picked && !s.answer().isEmpty() && s.answer() != "cat";
            }};
}

const std::map<QString, Row>& rows() {
    static const std::map<QString, Row> table = {
        {"File > Open dictionary",
         {nullptr,
          [](Scene& s) {
              s.prompts.answers.append({italianPath, {}});
              s.form->findChild<QAction*>("mOpen")->trigger();
          },
          [](Scene& s) { return s.main<QLabel>("nomepurobreve")->text() == "it"; }}},
        {"File > Change dictionary",
         {nullptr,
          [](Scene& s) {
              s.prompts.answers.append({englishPath, {}});
              s.form->findChild<QAction*>("mChange")->trigger();
          },
          [](Scene& s) { return s.main<QLabel>("nomepurobreve")->text() == "en"; }}},
        {"File > Exit",
         {nullptr, [](Scene& s) { s.form->findChild<QAction*>("mExit")->trigger(); },
          [](Scene& s) { return s.prompts.endCalls == 1; }}},
        {"Tools > Options",
         {nullptr, [](Scene& s) { s.form->findChild<QAction*>("mOpzioni")->trigger(); },
          [](Scene&) { return Form2::exists() && Form2::instance().isVisible(); }}},
        {"Help > Instructions",
         {nullptr, [](Scene& s) { s.form->findChild<QAction*>("mInstru")->trigger(); },
          [](Scene& s) {
              return s.prompts.messages.size() == 1 &&
                     s.prompts.messages[0].text == texts::instructions(false).text;
          }}},
        {"Help > Tips",
         {nullptr, [](Scene& s) { s.form->findChild<QAction*>("mTips")->trigger(); },
          [](Scene& s) {
              return s.prompts.messages.size() == 1 &&
                     s.prompts.messages[0].text == texts::tips(false).text;
          }}},
        {"Help > About",
         {nullptr, [](Scene& s) { s.form->findChild<QAction*>("mAbout")->trigger(); },
          [](Scene& s) {
              return s.prompts.messages.size() == 1 &&
                     s.prompts.messages[0].text == texts::about(false).text;
          }}},
        {"FIND",
         {[](Scene& s) { s.search.Parola->setText("gatto"); },
          [](Scene& s) { QTest::mouseClick(s.main("CmdVai"), Qt::LeftButton); },
          [](Scene& s) { return s.answer() == "cat"; }}},
        {"CLEAR",
         {nullptr, [](Scene& s) { QTest::mouseClick(s.main("CmdClear"), Qt::LeftButton); },
          [](Scene& s) { return s.query().isEmpty(); }}},
        {"EXIT",
         {nullptr, [](Scene& s) { QTest::mouseClick(s.main("CmdEsci"), Qt::LeftButton); },
          [](Scene& s) { return s.prompts.endCalls == 1; }}},
        {"history back",
         {nullptr, [](Scene& s) { QTest::mouseClick(s.main("CmdBack"), Qt::LeftButton); },
          [](Scene& s) { return s.query() == "CANE"; }}},
        {"history forward",
         {[](Scene& s) { s.search.CmdBack_Click(); },
          [](Scene& s) { QTest::mouseClick(s.main("CmdForw"), Qt::LeftButton); },
          [](Scene& s) { return s.query() == "CASA"; }}},
        {"next NL page",
         {[](Scene& s) {
              s.open(longPath);
              s.find("H");
          },
          [](Scene& s) { QTest::mouseClick(s.main("CmdPagN"), Qt::LeftButton); },
          [](Scene& s) { return s.search.NLPage == 2; }}},
        {"previous NL page",
         {[](Scene& s) {
              s.open(longPath);
              s.find("H");
              s.search.CmdPagN_Click();
          },
          [](Scene& s) { QTest::mouseClick(s.main("CmdPagP"), Qt::LeftButton); },
          [](Scene& s) { return s.search.NLPage == 1; }}},
        {"keep box",
         {nullptr,
          [](Scene& s) {
              QWidget* box = s.main("Sbianca");
              QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
          },
          [](Scene& s) { return s.main("PuntinaOK")->isVisible(); }}},
        {"double-click NL", listRow("ListZ", 2, doubleClick)},
        {"Enter on NL", listRow("ListZ", 2, enterOnRow)},
        {"double-click WL", listRow("ListY", 0, doubleClick)},
        {"Enter on WL", listRow("ListY", 0, enterOnRow)},
        {"double-click QHL", listRow("Storia", 0, doubleClick)},
        {"Enter on QHL", listRow("Storia", 0, enterOnRow)},
        {"click on QHL",
         {[](Scene& s) { s.find("gatto"); },
          [](Scene& s) { mouseClickRow(s.main<QListWidget>("Storia"), 0); },
          [](Scene& s) { return s.query() == s.search.Storia->item(0)->text(); }}},
        {"key down in QW", // a key without a character still arms the history
         {[](Scene& s) { s.search.HistoryFlag = DictionarySearch::HistoryIdle; },
          [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_Left); },
          [](Scene& s) { return s.search.HistoryFlag == DictionarySearch::HistoryRecord; }}},
        {"character typed in QW",
         {nullptr, [](Scene& s) { QTest::keyClick(s.main("Parola"), Qt::Key_S); },
          [](Scene& s) { return s.answer().isEmpty(); }}},
        {"Enter in QW",
         {[](Scene& s) { s.search.Parola->setText("gatto"); },
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
         {nullptr,
          [](Scene& s) {
              QWidget* box = s.option("useNL");
              QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
          },
          [](Scene& s) { return !s.main("LabVediAnche")->isEnabled(); }}},
        {"options: WL box",
         {nullptr,
          [](Scene& s) {
              QWidget* box = s.option("useWL");
              QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
          },
          [](Scene& s) { return !s.main("LabAllInterno")->isEnabled(); }}},
        {"options: percentage picked",
         {nullptr, [](Scene& s) { QTest::keyClick(s.option("NEsca"), Qt::Key_Up); },
          [](Scene& s) { return s.main<QLabel>("LabVediAnche")->text().contains("75%"); }}},
        // Enter in the percentage box is no pick: the caption keeps its percentage.
        {"options: Enter in the percentage box",
         {[](Scene& s) {
              s.option<QComboBox>("NEsca")->lineEdit()->setText("75");
              s.picked = s.search.LabVediAnche->text();
          },
          [](Scene& s) { QTest::keyClick(s.option("NEsca"), Qt::Key_Return); },
          [](Scene& s) { return s.main<QLabel>("LabVediAnche")->text() == s.picked; }, true}},
        {"options: Enter in the percentage text",
         {[](Scene& s) {
              s.option<QComboBox>("NEsca")->lineEdit()->setText("75");
              s.picked = s.search.LabVediAnche->text();
          },
          [](Scene& s) {
              QTest::keyClick(s.option<QComboBox>("NEsca")->lineEdit(), Qt::Key_Return);
          },
          [](Scene& s) { return s.main<QLabel>("LabVediAnche")->text() == s.picked; }, true}},
        {"options: Defaults",
         {[](Scene&) { Form2::instance().useWL->setChecked(false); },
          [](Scene& s) { QTest::mouseClick(s.option("CmdDefaults"), Qt::LeftButton); },
          [](Scene& s) { return s.option<QCheckBox>("useWL")->isChecked(); }}},
        {"options: OK",
         {[](Scene&) { Form2::instance().show(); },
          [](Scene& s) { QTest::mouseClick(s.option("ComExit"), Qt::LeftButton); },
          [](Scene&) { return Form2::instance().isHidden(); }}},
        {"options: Italian",
         {nullptr,
          [](Scene& s) {
              QWidget* button = s.option("LinguaIta");
              QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
          },
          [](Scene& s) { return s.main<QLabel>("LabStoria")->text() != "QUERIES (QHL)"; }}},
        {"options: English",
         {[](Scene&) { Form2::instance().LinguaIta->setChecked(true); },
          [](Scene& s) {
              QWidget* button = s.option("LinguaIng");
              QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
          },
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
                              .arg(s.search.ListZ->count())
                              .arg(s.search.ListY->count())
                              .arg(s.search.Storia->count());
    QVERIFY2(row.reacted(s), qPrintable(state));
}

QTEST_MAIN(Form1WiringTest)
#include "form1_wiring_test.moc"
