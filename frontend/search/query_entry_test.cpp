// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_test_support.h"
#include "search_widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace search_test;

class QueryEntryTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString dict_;

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        dict_ = writeDictionary(dicts_, "it.txt", italianEntries());
    }
    void cleanup() { resetOptions(); }

    void keysInTheQueryBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("clears");
        QTest::newRow("letter") << int(Qt::Key_X) << "x" << false << true;
        QTest::newRow("letter, lists kept") << int(Qt::Key_X) << "x" << true << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << false << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << false << true;
        QTest::newRow("arrow: no character") << int(Qt::Key_Left) << "" << false << false;
    }
    void keysInTheQueryBox() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, keep);
        QFETCH(bool, clears);
        Window w;
        w.choose(dict_);
        w.search("casetta"); // red: no translation
        w.search("casa");
        w->view().Sbianca->setChecked(keep);
        w->view().CmdPagN->show();
        w->view().CmdPagP->show();
        setQueryRed(w->view().Parola, true);
        w->HistoryFlag = 0;
        QTest::sendKeyEvent(QTest::Click, w->view().Parola, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(w->HistoryFlag, qint16(1));
        QCOMPARE(w->view().Risposta->toPlainText().isEmpty(), clears);
        QCOMPARE(w->view().ListZ->count() == 0, clears && !keep);
        QCOMPARE(w->view().ListY->count() == 0, clears && !keep);
        QCOMPARE(w->view().CmdPagN->isHidden(), clears && !keep);
        QVERIFY(!w->view().CmdPagP->isHidden());
        QCOMPARE(isQueryRed(w->view().Parola), !clears);
    }

    void listDoubleClicks_data() {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("wl");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("answer");
        QTest::newRow("NL item with a blank inside") << false << false << 2 << "CASA VERDE"
                                                     << "green house";
        QTest::newRow("WL item") << false << true << 0 << "ACCASARE"
                                 << "to marry off";
        QTest::newRow("NL item, lists kept") << true << false << 4 << "CASCATA"
                                             << "waterfall";
    }
    void listDoubleClicks() {
        QFETCH(bool, keep);
        QFETCH(bool, wl);
        QFETCH(int, row);
        QFETCH(QString, word);
        QFETCH(QString, answer);
        Window w;
        w.choose(dict_);
        w.search("casa");
        const QStringList nl = items(w->view().ListZ);
        w->view().Sbianca->setChecked(keep);
        doubleClick(wl ? w->view().ListY : w->view().ListZ, row);
        QCOMPARE(w->view().Parola->text(), word);
        QCOMPARE(w->view().Risposta->toPlainText(), answer);
        QCOMPARE(items(w->view().Storia), (QStringList{"CASA", word}));
        if (keep) {
            QCOMPARE(items(w->view().ListZ), nl);
            QCOMPARE(w->view().ListZ->currentRow(), row);
        }
    }

    void doubleClickWithoutASearch_data() {
        QTest::addColumn<QString>("item");     // empty: no item selected
        QTest::addColumn<QString>("searched"); // QW of the search it starts; empty: none
        QTest::newRow("blank item") << "   "
                                    << "";
        QTest::newRow("nothing selected") << ""
                                          << "";
        // Only spaces are blanks: NBSP stays part of the word.
        QTest::newRow("NBSP item") << "casa\u00A0"
                                   << "CASA\u00A0";
    }
    void doubleClickWithoutASearch() {
        QFETCH(QString, item);
        QFETCH(QString, searched);
        Window w;
        w.choose(dict_);
        w.search("casa");
        const QByteArray exchange = exchangeBytes();
        if (item.isEmpty()) {
            w->view().ListY->setCurrentRow(-1);
        } else {
            w->view().ListY->lines()->append(item.toUtf8(), TextEncoding::Utf8);
            w->view().ListY->lines()->publish();
            w->view().ListY->setCurrentRow(w->view().ListY->count() - 1);
        }
        w->ListY_DblClick();
        if (!searched.isEmpty()) {
            QCOMPARE(w->view().Parola->text(), searched);
            QVERIFY(exchangeBytes().contains("\r\n" + searched.toUtf8() + "\r\n"));
            QCOMPARE(w->view().Storia->count(), 2);
            return;
        }
        QCOMPARE(w->view().Parola->text(), item.isEmpty() ? "CASA" : item);
        QCOMPARE(exchangeBytes(), exchange);
        QCOMPARE(w->view().Storia->count(), 1);
    }

    // Ctrl+click takes the selection from the current row; Enter then searches nothing.
    void enterWithoutSelection_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("NL") << "ListZ";
        QTest::newRow("WL") << "ListY";
        QTest::newRow("QHL") << "Storia";
    }
    void enterWithoutSelection() {
        QFETCH(QString, list);
        Window w;
        w.choose(dict_);
        w.search("cane");
        w.search("casa");
        auto* view = w.widget()->findChild<QAbstractItemView*>(list);
        QVERIFY(view);
        const QPoint at = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(!view->selectionModel()->hasSelection());
        const QString word = w.widget()->findChild<QLineEdit*>("Parola")->text();
        const QByteArray exchange = exchangeBytes();
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(w.widget()->findChild<QLineEdit*>("Parola")->text(), word);
        QCOMPARE(exchangeBytes(), exchange);
        QCOMPARE(items(w.widget()->findChild<QListWidget*>("Storia")),
                 (QStringList{"CANE", "CASA"}));
    }

    void keepBoxSwapsThePins() {
        Window w;
        w.choose(dict_);
        QVERIFY(!w->view().Puntina->isHidden() && w->view().PuntinaOK->isHidden());
        w->view().CmdPagN->show();
        w->view().CmdPagP->show();
        w->view().Sbianca->click();
        QVERIFY(w->view().Puntina->isHidden() && !w->view().PuntinaOK->isHidden());
        QVERIFY(w->view().CmdPagN->isHidden() && w->view().CmdPagP->isHidden());
        w->view().Sbianca->click();
        QVERIFY(!w->view().Puntina->isHidden() && w->view().PuntinaOK->isHidden());
    }

    void clearIgnoresTheKeepBox() {
        Window w;
        w.choose(dict_);
        w.search("cane");
        w.search("casa");
        w->view().CmdBack->click();
        w->view().Sbianca->click();
        w->view().CmdPagP->show();
        w->view().CmdClear->click();
        QCOMPARE(w->view().Parola->text(), QString());
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QCOMPARE(w->view().ListZ->count() + w->view().ListY->count(), 0);
        QVERIFY(!w->view().ListZ->isEnabled() && !w->view().ListY->isEnabled());
        QVERIFY(w->view().CmdPagN->isHidden() && w->view().CmdPagP->isHidden());
        QVERIFY(w->view().Sbianca->isChecked());
        QCOMPARE(items(w->view().Storia), (QStringList{"CANE", "CASA"}));
        QCOMPARE(w->view().Storia->currentRow(), 0);
        QVERIFY(!w->view().CmdBack->isEnabled() && w->view().CmdForw->isEnabled());
        QCOMPARE(w->HistoryFlag, qint16(0));
        w.search("cane"); // lists come back with the next search
        QVERIFY(w->view().ListZ->isEnabled() && w->view().ListY->isEnabled());
    }
};

QTEST_MAIN(QueryEntryTest)
#include "query_entry_test.moc"
