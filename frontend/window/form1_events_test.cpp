// SPDX-License-Identifier: GPL-3.0-or-later
// Events of the main window reach their reactions; the three ways out end the program.
#include "dictionary_search.h"
#include "form1.h"
#include "form2.h"
#include "search_session.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// The search side the window routes its controls' events to.
DictionarySearch& searchOf(Form1& window) {
    return *window.findChild<DictionarySearch*>();
}

// Records whether the search's files were still open when the program was ended.
class EndWatchingPrompts : public FakePrompts {
public:
    Form1* window = nullptr;
    QList<bool> exchangeOpenAtEnd;
    void endProgram() override {
        exchangeOpenAtEnd.append(searchOf(*window).session().exchange().isOpen());
        FakePrompts::endProgram();
    }
};
} // namespace

class Form1EventsTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void init();

    void keysInQueryBox_data();
    void keysInQueryBox();
    void composedTextInQueryBox_data();
    void composedTextInQueryBox();
    void keepBoxChangedByCode();
    void pinLetsClicksThroughToKeepBox_data();
    void pinLetsClicksThroughToKeepBox();
    void historySelectionChangedByCode();
    void typingRightAfterAChoice();
    void ending_data();
    void ending();
    void optionsWindowIsModeless();
    void optionsWindowOutlivesMainWindow();

private:
    EndWatchingPrompts endPrompts_;
};

void Form1EventsTest::init() {
    endPrompts_ = EndWatchingPrompts{};
    form_ = std::make_unique<Form1>(endPrompts_);
    endPrompts_.window = form_.get();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1EventsTest::keysInQueryBox_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<bool>("answerCleared"); // the key-press reaction ran
    QTest::addColumn<int>("historyFlag");    // the key-down reaction ran
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "CASAa" << true << 1;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "CAS" << true << 1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "CASA" << true << 1;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << "CASA" << true << 1;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "CASA" << false << 1;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "CASA" << false << 1;
    QTest::newRow("Delete at the end") << int(Qt::Key_Delete) << 0 << "CASA" << false << 1;
    QTest::newRow("Tab moves on") << int(Qt::Key_Tab) << 0 << "CASA" << false << 0;
}

void Form1EventsTest::keysInQueryBox() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, textAfter);
    QFETCH(bool, answerCleared);
    QFETCH(int, historyFlag);
    ui().Parola->setEnabled(true);
    ui().Parola->setText(QStringLiteral("CASA"));
    ui().Parola->setFocus();
    ui().Risposta->setPlainText(QStringLiteral("house"));
    searchOf(*form_).HistoryFlag = 0;
    QTest::keyClick(ui().Parola, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui().Parola->text(), textAfter); // the key reached the box unchanged
    QCOMPARE(ui().Risposta->toPlainText().isEmpty(), answerCleared);
    QCOMPARE(int(searchOf(*form_).HistoryFlag), historyFlag);
}

// Dead keys, compose and input methods deliver their characters without a key press.
void Form1EventsTest::composedTextInQueryBox_data() {
    QTest::addColumn<QString>("preedit");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<bool>("reacted");
    QTest::newRow("committed letter") << "" << QString::fromUtf8("à") << true;
    QTest::newRow("still composing") << QString::fromUtf8("`") << "" << false;
}

void Form1EventsTest::composedTextInQueryBox() {
    QFETCH(QString, preedit);
    QFETCH(QString, commit);
    QFETCH(bool, reacted);
    ui().Parola->setEnabled(true);
    ui().Parola->setText(QStringLiteral("CASA"));
    ui().Parola->setFocus();
    ui().Risposta->setPlainText(QStringLiteral("house"));
    searchOf(*form_).HistoryFlag = 0;
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(ui().Parola, &event);
    QCOMPARE(ui().Parola->text(), QStringLiteral("CASA") + commit);
    QCOMPARE(ui().Risposta->toPlainText().isEmpty(), reacted);
    QCOMPARE(int(searchOf(*form_).HistoryFlag), reacted ? 1 : 0);
}

void Form1EventsTest::keepBoxChangedByCode() {
    ui().Puntina->show();
    ui().CmdPagN->show();
    ui().Sbianca->setChecked(true);
    QVERIFY(ui().Puntina->isHidden());
    QVERIFY(!ui().PuntinaOK->isHidden());
    QVERIFY(ui().CmdPagN->isHidden());
    ui().Sbianca->setChecked(false);
    QVERIFY(!ui().Puntina->isHidden());
}

void Form1EventsTest::pinLetsClicksThroughToKeepBox_data() {
    QTest::addColumn<bool>("kept");
    QTest::newRow("loose pin") << false;
    QTest::newRow("standing pin") << true;
}

void Form1EventsTest::pinLetsClicksThroughToKeepBox() {
    QFETCH(bool, kept);
    ui().Sbianca->show();
    (kept ? ui().PuntinaOK : ui().Puntina)->show();
    const QPoint overlap(ui().Sbianca->x() + 3, ui().Sbianca->y() + 12);
    QVERIFY((kept ? ui().PuntinaOK : ui().Puntina)->geometry().contains(overlap));
    QCOMPARE(form_->centralWidget()->childAt(overlap), ui().Sbianca);
}

void Form1EventsTest::historySelectionChangedByCode() {
    ui().Storia->addItems({QStringLiteral("CANE"), QStringLiteral("GATTO")});
    ui().Storia->setCurrentRow(1);
    QCOMPARE(ui().Parola->text(), QStringLiteral("GATTO"));
}

// A new user's first minute: the word typed straight after the choice, with no click, goes to
// the query box, wherever the focus was before.
void Form1EventsTest::typingRightAfterAChoice() {
    const QString dictionary = cache_.filePath(QStringLiteral("it.txt"));
    QFile file(dictionary);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("CASA\nhouse\nCASALE\nfarm\n") > 0);
    file.close();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    endPrompts_.answers.append({dictionary, {}});
    ui().mOpen->trigger();
    QTest::keyClicks(nullptr, QStringLiteral("casa"));
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    QCOMPARE(ui().Risposta->toPlainText(), QStringLiteral("house"));
    QCOMPARE(ui().ListZ->count(), 2);
    QCOMPARE(ui().Storia->count(), 1);
}

void Form1EventsTest::ending_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("optionsOpen");
    QTest::newRow("EXIT") << "EXIT" << false;
    QTest::newRow("File > Exit") << "mExit" << false;
    QTest::newRow("title-bar close") << "close" << false;
    QTest::newRow("EXIT with the options window open") << "EXIT" << true;
    QTest::newRow("close with the options window open") << "close" << true;
}

void Form1EventsTest::ending() {
    QFETCH(QString, way);
    QFETCH(bool, optionsOpen);
    if (optionsOpen) ui().mOpzioni->trigger();
    // A search holds the exchange file open while it reads its results.
    const QString exchange = cache_.filePath(QStringLiteral("exchange.txt"));
    QFile file(exchange);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(searchOf(*form_).session().exchange().open(exchange));

    if (way == "EXIT")
        QTest::mouseClick(ui().CmdEsci, Qt::LeftButton);
    else if (way == "mExit")
        ui().mExit->trigger();
    else
        QVERIFY(form_->close()); // never refused

    QCOMPARE(endPrompts_.endCalls, 1);
    QCOMPARE(endPrompts_.exchangeOpenAtEnd, QList<bool>{false}); // files closed first
    QVERIFY(endPrompts_.messages.isEmpty());                     // no question asked
}

void Form1EventsTest::optionsWindowIsModeless() {
    QVERIFY(!Form2::exists());
    ui().mOpzioni->trigger();
    Form2& options = Form2::instance();
    QVERIFY(options.isVisible());
    QCOMPARE(options.parentWidget(), nullptr);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    ui().mOpzioni->trigger(); // again: the same window, still shown
    QCOMPARE(&Form2::instance(), &options);
    QVERIFY(options.isVisible());
    // The main window keeps taking input meanwhile.
    ui().Parola->setEnabled(true);
    QTest::keyClicks(ui().Parola, QStringLiteral("ok"));
    QCOMPARE(ui().Parola->text(), QStringLiteral("ok"));
}

void Form1EventsTest::optionsWindowOutlivesMainWindow() {
    Form2& options = Form2::instance();
    form_.reset();
    // Its reactions no longer reach a main window, and do not fail for it.
    options.useNL->setChecked(false);
    options.LinguaIta->setChecked(true);
    QVERIFY(!options.NEsca->isEnabled());
}

QTEST_MAIN(Form1EventsTest)
#include "form1_events_test.moc"
