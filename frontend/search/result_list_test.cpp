// SPDX-License-Identifier: GPL-3.0-or-later
// NL and WL hold their lines as bytes and decode a row only when it is shown: rows far down the
// list, the exact match, long lines and a page change must show and search what they hold.
#include "search_test_support.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace search_test;

namespace {

QString headword(int i) {
    return QString("HO%1").arg(i, 5, 10, QChar('0'));
}

// What a screen reader reads for the row.
QString spoken(QAbstractItemView* list, int row) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, 0);
    return cell ? cell->text(QAccessible::Name) : QString();
}

// The row is drawn inside the list's visible area.
bool inView(QAbstractItemView* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    return rect.isValid() && list->viewport()->rect().contains(rect);
}

} // namespace

class ResultListTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString longDict_;

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        QList<Entry> entries = longEntries();
        // 1,500 characters, 500 beyond what an item shows.
        entries.append({"SHOEBOX" + QString(1493, 'X'), "box"});
        longDict_ = writeDictionary(dicts_, "long.txt", entries);
    }
    void cleanup() { resetOptions(); }

    void rowPastTheFirstScreen() {
        setPercent("100");
        Window w;
        w.choose(longDict_);
        w.search("ho");
        QCOMPARE(w->view().ListZ->count(), 32000);
        QVERIFY(!inView(w->view().ListZ, 20000));
        QCOMPARE(spoken(w->view().ListZ, 20000), headword(20000));
        doubleClick(w->view().ListZ, 20000);
        QCOMPARE(w->view().Parola->text(), headword(20000));
        QCOMPARE(w->view().Risposta->toPlainText(), QString("t20000"));
    }

    void exactMatchSelectedAndInView() {
        setPercent("10");
        Window w;
        w.choose(longDict_);
        w.search("ho25000");
        // Root "H": the first chunk is H, then HO00000 on.
        QCOMPARE(w->view().ListZ->currentRow(), 25001);
        QCOMPARE(w->view().ListZ->text(25001), headword(25000));
        QVERIFY(inView(w->view().ListZ, 25001));
        QVERIFY(w->view().ListZ->selectionModel()->isRowSelected(25001, {}));
        QCOMPARE(w->view().ListZ->selectionModel()->selectedRows().size(), 1);
    }

    void lineOverAThousandCharacters() {
        setPercent("50");
        Window w;
        w.choose(longDict_);
        w.search("shoe");
        const QString whole = "SHOEBOX" + QString(1493, 'X');
        const QString shown = whole.left(1000) + QChar(0x2026);
        QCOMPARE(items(w->view().ListZ), (QStringList{"SHOE", shown}));
        QCOMPARE(spoken(w->view().ListZ, 1), shown);
        doubleClick(w->view().ListZ, 1);
        QCOMPARE(w->view().Parola->text(), whole);
        QCOMPARE(w->view().Risposta->toPlainText(), QString("box"));
    }

    // Every row takes the width of the widest, wherever it stands: the long one is not cut.
    void longRowInTheMiddleScrollsIntoView() {
        QTemporaryDir dir;
        const QString longWord = "CASA" + QString(300, 'W') + "END";
        const QString path = writeDictionary(
            dir, "mid.txt",
            {{"CASA", "house"}, {"CASALE", "farmhouse"}, {longWord, "long"}, {"CASCATA", "fall"}});
        Window w;
        w.choose(path);
        w.search("casa");
        auto* list = w.widget()->findChild<QAbstractItemView*>("ListZ");
        QCOMPARE(items(list).value(2), longWord);
        const QModelIndex row = list->model()->index(2, 0);
        const int textWidth = list->fontMetrics().horizontalAdvance(longWord);
        QVERIFY(list->visualRect(row).width() >= textWidth);
        QScrollBar* across = list->horizontalScrollBar();
        across->setValue(across->maximum());
        const QRect shown = list->visualRect(row);
        QVERIFY2(list->viewport()->rect().contains(shown.topRight()),
                 qPrintable(QString("row ends at %1, list is %2 wide")
                                .arg(shown.right())
                                .arg(list->viewport()->width())));
    }

    void pageChangeReplacesEveryRow() {
        setPercent("100");
        Window w;
        w.choose(longDict_);
        w.search("ho");
        w->view()
            .ListZ->scrollToBottom(); // a view scrolled far down, over rows the page will not have
        QTest::mouseClick(w->view().CmdPagN, Qt::LeftButton);
        QStringList page2;
        for (int i = 32000; i < 40000; ++i)
            page2 << headword(i);
        QCOMPARE(items(w->view().ListZ), page2);
        const QModelIndex top = w->view().ListZ->indexAt(QPoint(2, 2));
        QCOMPARE(top.row(), 0);
        QCOMPARE(top.data().toString(), headword(32000));

        QTest::mouseClick(w->view().CmdPagP, Qt::LeftButton);
        QCOMPARE(w->view().ListZ->count(), 32000);
        QCOMPARE(w->view().ListZ->text(31999), headword(31999));
        QCOMPARE(spoken(w->view().ListZ, 0), headword(0));
    }
};

QTEST_MAIN(ResultListTest)
#include "result_list_test.moc"
