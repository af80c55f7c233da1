// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_request.h"
#include "search_session.h"
#include "search_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>

using namespace search_test;

class NlPagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString longDict_;

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        longDict_ = writeDictionary(dicts_, "long.txt", longEntries());
    }
    void cleanup() { resetOptions(); }

    void pages_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("firstOfPage1");
        QTest::addColumn<QString>("firstOfPage2");
        QTest::addColumn<QString>("lastOfPage2");
        QTest::addColumn<int>("page2Count");
        QTest::addColumn<QStringList>("wl");
        QTest::addColumn<QString>("answer");
        QTest::newRow("one-letter root") << "h"
                                         << "50"
                                         << "H"
                                         << "HO31999"
                                         << "HO39999" << 8001 << QStringList{} << "aitch";
        QTest::newRow("translation on page 2: not shown")
            << "ho39999"
            << "0"
            << "H"
            << "HO31999"
            << "HO39999" << 8001 << QStringList{} << "      ";
        QTest::newRow("NL and WL") << "ho"
                                   << "100"
                                   << "HO00000"
                                   << "HO32000"
                                   << "HO39999" << 8000 << QStringList{"AHOY"} << "      ";
        QTest::newRow("star") << "*"
                              << "50"
                              << "AHOY"
                              << "HO31998"
                              << "SHOE" << 8003 << QStringList{} << "      ";
    }
    void pages() {
        QFETCH(QString, typed);
        QFETCH(QString, percent);
        QFETCH(QString, firstOfPage1);
        QFETCH(QString, firstOfPage2);
        QFETCH(QString, lastOfPage2);
        QFETCH(int, page2Count);
        QFETCH(QStringList, wl);
        QFETCH(QString, answer);
        setPercent(percent);
        Window w;
        w.choose(longDict_);
        w.search(typed);
        QCOMPARE(w->view().ListZ->count(), 32000);
        QCOMPARE(w->view().ListZ->text(0), firstOfPage1);
        QCOMPARE(items(w->view().ListY), wl);
        QVERIFY(!w->view().CmdPagN->isHidden());
        QVERIFY(w->view().CmdPagP->isHidden());

        w->view().CmdPagN->click();
        QCOMPARE(w->NLPage, qint16(2));
        QCOMPARE(w->view().ListZ->count(), page2Count);
        QCOMPARE(w->view().ListZ->text(0), firstOfPage2);
        QCOMPARE(w->view().ListZ->text(page2Count - 1), lastOfPage2);
        QCOMPARE(w->view().ListZ->currentRow(), -1);
        QVERIFY(w->view().CmdPagN->isHidden());
        QVERIFY(!w->view().CmdPagP->isHidden());
        QCOMPARE(items(w->view().ListY), wl);
        QCOMPARE(w->view().Risposta->toPlainText(), answer);
        QCOMPARE(w->view().Sbianca->text(),
                 QString("Keep current NL (%1) and WL (%2)").arg(page2Count).arg(wl.size()));

        w->view().CmdPagP->click();
        QCOMPARE(w->NLPage, qint16(1));
        QCOMPARE(w->view().ListZ->count(), 32000);
        QCOMPARE(w->view().ListZ->text(0), firstOfPage1);
        QVERIFY(!w->view().CmdPagN->isHidden());
        QVERIFY(w->view().CmdPagP->isHidden());
    }

    void pagesFollowTheSearchNotTheBox() {
        // A recalled word does not change what the pages of the last search hold.
        Window w;
        w.choose(longDict_);
        w.search("h");
        w.search("*");
        w->view().CmdPagN->click();
        w->view().Storia->setCurrentRow(0); // recalls H; the previous-page button stays
        QCOMPARE(w->view().Parola->text(), QString("H"));
        QVERIFY(!w->view().CmdPagP->isHidden());
        w->view().CmdPagP->click();
        QCOMPARE(w->view().ListZ->count(), 32000);
        QCOMPARE(w->view().ListZ->text(0), QString("AHOY"));
    }

    // Commands given while results load are ignored; the load ends as if they never came.
    void commandsDuringALoad_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("duringPageChange");
        for (const bool page : {false, true}) {
            const char* when = page ? " during a page change" : " during a search";
            for (const char* command :
                 {"FIND", "Enter", "CLEAR", "next page", "previous page", "history back",
                  "history click", "history double-click", "NL double-click", "change dictionary"})
                QTest::newRow(qPrintable(QString(command) + when)) << command << page;
        }
    }
    void commandsDuringALoad() {
        QFETCH(QString, command);
        QFETCH(bool, duringPageChange);
        setPercent("100");
        Window w;
        w.choose(longDict_);
        w.search("h");
        w.search("ho");
        DictionarySearch& f = *w;
        const std::map<QString, std::function<void()>> commands{
            {"FIND",
             [&] {
                 f.view().Parola->setText("CANE");
                 f.CmdVai_Click();
             }},
            {"Enter", [&] { f.Parola_KeyPress(13); }},
            {"CLEAR", [&] { f.CmdClear_Click(); }},
            {"next page", [&] { f.CmdPagN_Click(); }},
            {"previous page", [&] { f.CmdPagP_Click(); }},
            {"history back", [&] { f.CmdBack_Click(); }},
            {"history click", [&] { f.view().Storia->setCurrentRow(0); }},
            {"history double-click", [&] { f.Storia_DblClick(); }},
            {"NL double-click", [&] { f.ListZ_DblClick(); }},
            {"change dictionary", [&] { f.mChange_Click(); }},
        };
        bool ranWhileBusy = false;
        QMetaObject::invokeMethod(
            &f,
            [&] {
                ranWhileBusy = f.session().busy();
                commands.at(command)();
            },
            Qt::QueuedConnection);
        if (duringPageChange)
            f.view().CmdPagN->click();
        else
            w.search("*");

        QVERIFY(ranWhileBusy);
        QVERIFY(!f.session().busy());
        QCOMPARE(f.QueryRoot, duringPageChange ? QString("HO") : QString("*"));
        QCOMPARE(f.NLPage, qint16(duringPageChange ? 2 : 1));
        QCOMPARE(f.view().ListZ->count(), duringPageChange ? 8000 : 32000);
        QCOMPARE(f.view().Storia->count(), duringPageChange ? 2 : 3);
        QCOMPARE(f.DictPath, longDict_);
        QCOMPARE(w.prompts.dialogsShown.size(), 1);
        QVERIFY(f.view().ListZ->isEnabled());
        QCOMPARE(f.view().CmdPagN->isHidden(), duringPageChange);
        if (command != "FIND") QCOMPARE(f.view().Parola->text(), duringPageChange ? "HO" : "*");
        QCOMPARE(f.view().CmdBack->isEnabled(), f.view().Storia->currentRow() > 0);
    }

    // The keep box works during a load: its click hides the page buttons, as at any time, and
    // the load does not show them again.
    void keepBoxDuringALoad_data() {
        QTest::addColumn<bool>("duringPageChange");
        QTest::newRow("during a search") << false;
        QTest::newRow("during a page change") << true;
    }
    void keepBoxDuringALoad() {
        QFETCH(bool, duringPageChange);
        setPercent("100");
        Window w;
        w.choose(longDict_);
        w.search("ho");
        DictionarySearch& f = *w;
        bool ranWhileBusy = false;
        QMetaObject::invokeMethod(
            &f,
            [&] {
                ranWhileBusy = f.session().busy();
                QTest::mouseClick(f.view().Sbianca, Qt::LeftButton);
            },
            Qt::QueuedConnection);
        if (duringPageChange)
            f.view().CmdPagN->click();
        else
            w.search("h");
        const int loaded = duringPageChange ? 8000 : 32000;
        QVERIFY(ranWhileBusy);
        QVERIFY(f.view().Sbianca->isChecked());
        QVERIFY(f.view().Puntina->isHidden() && !f.view().PuntinaOK->isHidden());
        QCOMPARE(f.view().ListZ->count(), loaded);
        QVERIFY(f.view().CmdPagN->isHidden() && f.view().CmdPagP->isHidden());
        // The next search only translates and keeps what was loaded.
        w.search("shoe");
        QCOMPARE(f.view().Risposta->toPlainText(), QString("shoe"));
        QCOMPARE(f.view().ListZ->count(), loaded);
        QVERIFY(f.view().CmdPagN->isHidden() && f.view().CmdPagP->isHidden());
    }

    void exitDuringALoad() {
        Window w;
        w.choose(longDict_);
        QMetaObject::invokeMethod(
            w.widget(), [&] { w.exit(); }, Qt::QueuedConnection);
        w.search("*");
        QCOMPARE(w.prompts.endCalls, 1);
        QVERIFY(!w->session().exchange().isOpen());
        QVERIFY(!w->session().busy());
    }
};

QTEST_MAIN(NlPagesTest)
#include "nl_pages_test.moc"
