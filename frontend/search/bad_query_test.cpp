// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_test_support.h"
#include "search_widgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace search_test;

namespace {

const QString longWord = "CASA" + QString(9996, 'X');

QList<Entry> entries() {
    QList<Entry> all = italianEntries();
    all << Entry{"CA\tSA", "tab"} << Entry{QString::fromUtf8("CA\0SA", 5), "nul"}
        << Entry{"CA\x1bSA", "esc"} << Entry{longWord, "long"};
    return all;
}

QByteArray requestLine(int index) {
    return exchangeBytes().split('\n').value(index).chopped(1); // without its CR
}

} // namespace

// Query words that no user should type, and still may paste. (Odd root percentages are in
// root_rule_test.)
class BadQueryTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString dict_;

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        dict_ = writeDictionary(dicts_, "it.txt", entries());
    }
    void cleanup() { resetOptions(); }

    // Pasted into the query box, then FIND: line breaks, tabs and blanks around the word go,
    // every other character is searched as it is.
    void pasted_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("queryWord");
        QTest::addColumn<QString>("answer");
        QTest::newRow("10,000 letters, none found")
            << QString(10000, 'x') << QString(10000, 'X') << QString(6, ' ');
        QTest::newRow("10,000 letters, found") << longWord.toLower() << longWord << "long";
        // A one-line box shows a tab badly: pasted tabs go, as line breaks do.
        QTest::newRow("tab inside") << "ca\tsa"
                                    << "CASA"
                                    << "house, home";
        QTest::newRow("tabs around") << "\tcasa \t"
                                     << "CASA"
                                     << "house, home";
        QTest::newRow("NUL inside")
            << QString::fromUtf8("ca\0sa", 5) << QString::fromUtf8("CA\0SA", 5) << "nul";
        QTest::newRow("ESC inside") << "ca\x1bsa"
                                    << "CA\x1bSA"
                                    << "esc";
        QTest::newRow("CR LF after it") << "casa\r\n"
                                        << "CASA"
                                        << "house, home";
    }
    void pasted() {
        QFETCH(QString, pasted);
        QFETCH(QString, queryWord);
        QFETCH(QString, answer);
        Window w;
        w.choose(dict_);
        w.search("gatto");
        w->Parola->setText(pasted);
        w->CmdVai->click();
        QCOMPARE(w->Parola->text(), queryWord);
        QCOMPARE(w->Risposta->toPlainText(), answer);
        QCOMPARE(isQueryRed(w->Parola), answer == QString(6, ' '));
        QVERIFY(w.prompts.messages.isEmpty());
        QCOMPARE(QString::fromUtf8(requestLine(1)), queryWord);
    }
};

QTEST_MAIN(BadQueryTest)
#include "bad_query_test.moc"
