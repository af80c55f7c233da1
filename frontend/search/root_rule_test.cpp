#include "root_rule.h"

#include <QTest>

class RootRuleTest : public QObject {
    Q_OBJECT
private slots:
    void root_data() {
        QTest::addColumn<QString>("queryWord");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("50%, 5 letters") << "HOUSE"
                                        << "50"
                                        << "HO"; // 2.5 -> 2
        QTest::newRow("50%, 7 letters") << "ABCDEFG"
                                        << "50"
                                        << "ABCD"; // 3.5 -> 4
        QTest::newRow("50%, 1 letter") << "A"
                                       << "50"
                                       << "A"; // 0.5 -> 0 -> first
        QTest::newRow("0%") << "HOUSE"
                            << "0"
                            << "H";
        QTest::newRow("150%") << "HOUSE"
                              << "150"
                              << "HOUSE";
        QTest::newRow("75% with its sign") << "HOUSE"
                                           << "75%"
                                           << "HOUS"; // 3.75 -> 4
        QTest::newRow("blanks inside the number") << "HOUSES"
                                                  << " 7 5"
                                                  << "HOUS"; // 4.5 -> 4
        QTest::newRow("decimals") << "HOUSES"
                                  << "50.1"
                                  << "HOU";
        QTest::newRow("letters only") << "HOUSE"
                                      << "abc"
                                      << "H";
        QTest::newRow("number after letters") << "HOUSE"
                                              << "x80"
                                              << "H";
        QTest::newRow("empty text") << "HOUSE"
                                    << ""
                                    << "H";
        QTest::newRow("negative") << "HOUSE"
                                  << "-50"
                                  << "H";
        QTest::newRow("huge") << "HOUSE"
                              << "99999999999999999999999"
                              << "HOUSE";
        QTest::newRow("beyond a double") << "HOUSE"
                                         << "1e999"
                                         << "HOUSE";
        QTest::newRow("negative beyond a double") << "HOUSE"
                                                  << "-1e999"
                                                  << "H";
        QTest::newRow("star") << "*"
                              << "50"
                              << "*";
        QTest::newRow("accented letters count once") << "CITTÀ"
                                                     << "80"
                                                     << "CITT";
        QTest::newRow("characters beyond the BMP count once") << "😀😀😀😀"
                                                              << "50"
                                                              << "😀😀";
    }
    void root() {
        QFETCH(QString, queryWord);
        QFETCH(QString, percent);
        QFETCH(QString, expected);
        QCOMPARE(queryRoot(queryWord, percent), expected);
    }
};

QTEST_GUILESS_MAIN(RootRuleTest)
#include "root_rule_test.moc"
