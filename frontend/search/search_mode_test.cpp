// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_mode.h"

#include <QTest>

class SearchModeTest : public QObject {
    Q_OBJECT
private slots:
    void mode_data() {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("nl");
        QTest::addColumn<bool>("wl");
        QTest::addColumn<int>("rootLength");
        QTest::addColumn<char>("expected");
        QTest::newRow("kept, both on") << true << true << true << 3 << '0';
        QTest::newRow("kept, only WL, short root") << true << false << true << 1 << '0';
        QTest::newRow("both off") << false << false << false << 3 << '0';
        QTest::newRow("only NL") << false << true << false << 3 << '1';
        QTest::newRow("only NL, short root") << false << true << false << 1 << '1';
        QTest::newRow("only WL") << false << false << true << 2 << '2';
        QTest::newRow("both") << false << true << true << 2 << '3';
        QTest::newRow("only WL, short root") << false << false << true << 1 << '1';
        QTest::newRow("both, short root") << false << true << true << 1 << '1';
    }
    void mode() {
        QFETCH(bool, keep);
        QFETCH(bool, nl);
        QFETCH(bool, wl);
        QFETCH(int, rootLength);
        QFETCH(char, expected);
        QCOMPARE(static_cast<char>(searchMode(keep, nl, wl, rootLength)), expected);
    }
};

QTEST_GUILESS_MAIN(SearchModeTest)
#include "search_mode_test.moc"
