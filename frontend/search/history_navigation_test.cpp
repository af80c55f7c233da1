// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_test_support.h"
#include "search_widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace search_test;

class HistoryNavigationTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString dict_;

    static bool buttonsAre(Window& w, bool back, bool forward) {
        return w->view().CmdBack->isEnabled() == back && w->view().CmdForw->isEnabled() == forward;
    }

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        dict_ = writeDictionary(dicts_, "it.txt", italianEntries());
    }
    void cleanup() { resetOptions(); }

    void walk() {
        Window w;
        w.choose(dict_);
        QVERIFY(buttonsAre(w, false, false));
        for (const char* word : {"casa", "cane", "gatto"})
            w.search(word);
        QCOMPARE(items(w->view().Storia), (QStringList{"CASA", "CANE", "GATTO"}));
        QCOMPARE(w->view().Storia->currentRow(), 2);
        QVERIFY(buttonsAre(w, true, false));

        w->view().CmdPagN->show(); // as on a long NL's first page
        w->view().CmdPagP->show();
        w->view().CmdBack->click();
        QCOMPARE(w->view().Parola->text(), QString("CANE"));
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QCOMPARE(w->view().ListZ->count() + w->view().ListY->count(), 0);
        QVERIFY(w->view().CmdPagN->isHidden() && !w->view().CmdPagP->isHidden());
        QVERIFY(buttonsAre(w, true, true));

        w->view().CmdBack->click();
        QCOMPARE(w->view().Parola->text(), QString("CASA"));
        QCOMPARE(w->view().Storia->currentRow(), 0);
        QVERIFY(buttonsAre(w, false, true));

        w.pressEnter();
        QCOMPARE(w->view().Risposta->toPlainText(), QString("house, home"));
        QCOMPARE(w->view().Storia->count(), 3);
        QCOMPARE(w->view().Storia->currentRow(), 0);
        QVERIFY(buttonsAre(w, false, true));

        w.search("topo");
        QCOMPARE(items(w->view().Storia), (QStringList{"CASA", "CANE", "GATTO", "TOPO"}));
        QCOMPARE(w->view().Storia->currentRow(), 3);
        QVERIFY(buttonsAre(w, true, false));

        // FIND on a recalled word searches it without recording it again.
        w->view().CmdBack->click();
        w->view().CmdVai->click();
        QCOMPARE(w->view().Risposta->toPlainText(), QString("cat"));
        QCOMPARE(w->view().Storia->count(), 4);
        QCOMPARE(w->view().Storia->currentRow(), 2);
        w->view().CmdForw->click();
        QCOMPARE(w->view().Parola->text(), QString("TOPO"));
        QVERIFY(buttonsAre(w, true, false));
    }

    // stored: entries already in the history, the last one selected.
    void recordsEachWordOnce_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<int>("cursor");
        QTest::newRow("same word twice")
            << QStringList{} << QStringList{"casa", "casa"} << QStringList{"CASA"} << 0;
        QTest::newRow("other case")
            << QStringList{} << QStringList{"casa", "CaSa"} << QStringList{"CASA"} << 0;
        QTest::newRow("blanks around")
            << QStringList{} << QStringList{"casa", " casa "} << QStringList{"CASA"} << 0;
        QTest::newRow("known word: the cursor stays")
            << QStringList{} << QStringList{"casa", "cane", "casa"} << QStringList{"CASA", "CANE"}
            << 1;
        QTest::newRow("blank word")
            << QStringList{} << QStringList{"casa", "  "} << QStringList{"CASA"} << 0;
        QTest::newRow("stored with blanks around")
            << QStringList{" CASA "} << QStringList{"casa"} << QStringList{" CASA "} << 0;
    }
    void recordsEachWordOnce() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, history);
        QFETCH(int, cursor);
        Window w;
        w.choose(dict_);
        w->view().Storia->addItems(stored);
        w->view().Storia->setCurrentRow(int(stored.size()) - 1);
        for (const QString& word : typed)
            w.search(word);
        QCOMPARE(items(w->view().Storia), history);
        QCOMPARE(w->view().Storia->currentRow(), cursor);
        QVERIFY(buttonsAre(w, cursor > 0, cursor < history.size() - 1));
    }

    void clickOnAnEntry_data() {
        QTest::addColumn<bool>("keep");
        QTest::newRow("lists not kept") << false;
        QTest::newRow("lists kept") << true;
    }
    void clickOnAnEntry() {
        QFETCH(bool, keep);
        Window w;
        w.choose(dict_);
        w.search("gatto");
        w.search("casa");
        w->view().Sbianca->setChecked(keep);
        w->view().CmdPagP->show(); // as after a page change
        const QByteArray exchange = exchangeBytes();
        const QRect rect = w->view().Storia->visualItemRect(w->view().Storia->item(0));
        QTest::mouseClick(w->view().Storia->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w->view().Parola->text(), QString("GATTO"));
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QCOMPARE(w->view().ListZ->count(), keep ? 5 : 0);
        QCOMPARE(w->view().ListY->count(), keep ? 1 : 0);
        QVERIFY(!w->view().CmdPagP->isHidden());
        QCOMPARE(exchangeBytes(), exchange); // no search
        QVERIFY(buttonsAre(w, false, true));
    }

    void doubleClickOnAnEntrySearchesIt() {
        Window w;
        w.choose(dict_);
        w.search("gatto");
        w.search("cascata");
        w.search("cane");
        doubleClick(w->view().Storia, 1);
        QCOMPARE(w->view().Parola->text(), QString("CASCATA"));
        QCOMPARE(w->view().Risposta->toPlainText(), QString("waterfall"));
        QCOMPARE(items(w->view().Storia), (QStringList{"GATTO", "CASCATA", "CANE"}));
        QCOMPARE(w->view().Storia->currentRow(), 1);
        QCOMPARE(w->view().ListZ->text(w->view().ListZ->currentRow()), QString("CASCATA"));
    }

    void keepsRecordingPastTheIndexLimit() {
        Window w;
        w.choose(dict_);
        QStringList many;
        for (int i = 0; i < 32767; ++i)
            many << QString("W%1").arg(i);
        w->view().Storia->addItems(many);
        w->view().Storia->setCurrentRow(32766);
        w.search("casa");
        QCOMPARE(w->view().Storia->count(), 32768);
        QCOMPARE(w->view().Storia->currentRow(), 32767);
        QCOMPARE(w->view().Storia->item(32767)->text(), QString("CASA"));
        QVERIFY(buttonsAre(w, true, false));
        w->view().CmdBack->click();
        QCOMPARE(w->view().Parola->text(), QString("W32766"));
    }
};

QTEST_MAIN(HistoryNavigationTest)
#include "history_navigation_test.moc"
