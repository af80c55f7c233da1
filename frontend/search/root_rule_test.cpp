// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_word.h"
#include "root_rule.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

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

    // From the query box's text to QW and its root at 50%.
    void typedWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("queryWord");
        QTest::addColumn<QString>("root");
        const auto utf8 = TextEncoding::Utf8;
        const auto cp1252 = TextEncoding::Windows1252;
        QTest::newRow("ß stays, UTF-8") << "straße" << utf8 << "STRAßE"
                                        << "STR";
        QTest::newRow("ß stays, Windows-1252") << "straße" << cp1252 << "STRAßE"
                                               << "STR";
        QTest::newRow("µ to Greek Mu, UTF-8") << "µm" << utf8 << "\u039CM"
                                              << "\u039C";
        QTest::newRow("µ stays, Windows-1252") << "µm" << cp1252 << "µM"
                                               << "µ";
        QTest::newRow("ÿ to Ÿ, Windows-1252 holds it") << "ÿa" << cp1252 << "ŸA"
                                                       << "Ÿ";
        QTest::newRow("beyond the BMP") << "\U00010428\U00010429" << utf8 << "\U00010400\U00010401"
                                        << "\U00010400";
        QTest::newRow("only spaces trimmed") << " \u00A0casa\u00A0 " << utf8 << "\u00A0CASA\u00A0"
                                             << "\u00A0CA";
        QTest::newRow("pasted line breaks go, tabs stay") << "ca\tsa\r\n"
                                                          << utf8 << "CA\tSA"
                                                          << "CA";
    }
    void typedWord() {
        QFETCH(QString, typed);
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, queryWord);
        QFETCH(QString, root);
        const QString word = queryWordFrom(typed, encoding);
        QCOMPARE(word, queryWord);
        QCOMPARE(queryRoot(word, "50"), root);
    }
};

QTEST_GUILESS_MAIN(RootRuleTest)
#include "root_rule_test.moc"
