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

Q_DECLARE_METATYPE(TextEncoding)

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

    // Pasted into the query box, then FIND: line breaks and spaces around the word go, every
    // other character is searched as it is.
    void pasted_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("queryWord");
        QTest::addColumn<QString>("answer");
        QTest::newRow("10,000 letters, none found")
            << QString(10000, 'x') << QString(10000, 'X') << QString(6, ' ');
        QTest::newRow("10,000 letters, found") << longWord.toLower() << longWord << "long";
        QTest::newRow("tab inside") << "ca\tsa"
                                    << "CA\tSA"
                                    << "tab";
        QTest::newRow("tabs around") << "\tcasa \t"
                                     << "\tCASA \t" << QString(6, ' ');
        QTest::newRow("tab only: not blank") << "\t"
                                             << "\t" << QString(6, ' ');
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
        w->view().Parola->setText(pasted);
        w->view().CmdVai->click();
        QCOMPARE(w->view().Parola->text(), queryWord);
        QCOMPARE(w->view().Risposta->toPlainText(), answer);
        QCOMPARE(isQueryRed(w->view().Parola), answer == QString(6, ' '));
        QVERIFY(w.prompts.messages.isEmpty());
        QCOMPARE(QString::fromUtf8(requestLine(1)), queryWord);
    }

    void doubleClickedHeadwordKeepsItsTab() {
        QList<Entry> sorted = italianEntries();
        sorted.insert(1, {"CA\tSA", "tab"});
        Window w;
        w.choose(writeDictionary(dicts_, "sorted.txt", sorted));
        w.search("casa");
        const int row = items(w->view().ListZ).indexOf("CA\tSA");
        QVERIFY(row >= 0);
        doubleClick(w->view().ListZ, row);
        QCOMPARE(w->view().Parola->text(), QString("CA\tSA"));
        QCOMPARE(w->view().Risposta->toPlainText(), QString("tab"));
    }

    // "??" and "?A" are what a stand-in for each unwritable character would find.
    void wordTheDictionaryCannotHold_data() {
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("queryWord");
        QTest::newRow("Cyrillic, Windows-1252") << TextEncoding::Windows1252 << "дд"
                                                << "дд"; // no upper case in the code page
        const QString lone(QChar(0xD800));
        QTest::newRow("lone surrogate, UTF-8") << TextEncoding::Utf8 << lone + "a" << lone + "A";
    }
    void wordTheDictionaryCannotHold() {
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, typed);
        QFETCH(QString, queryWord);
        const QList<Entry> entries{{"??", "questions"}, {"?A", "question a"}, {"CAFÉ", "coffee"}};
        Window w;
        w.choose(writeDictionary(dicts_, "stand-ins.txt", entries, encoding));
        w.search("café");
        const QByteArray exchange = exchangeBytes();
        w->view().Parola->setText(typed);
        w.pressEnter();
        QCOMPARE(w->view().Parola->text(), queryWord);
        QCOMPARE(w->view().Risposta->toPlainText(), QString(6, ' '));
        QVERIFY(isQueryRed(w->view().Parola));
        QCOMPARE(w->view().ListZ->count() + w->view().ListY->count(), 0);
        QCOMPARE(w->view().Sbianca->text(), QString("Keep current NL (0) and WL (0)"));
        QCOMPARE(items(w->view().Storia), (QStringList{"CAFÉ", queryWord}));
        QCOMPARE(exchangeBytes(), exchange); // the scanner was not asked
        QVERIFY(w.prompts.messages.isEmpty());
    }
};

QTEST_MAIN(BadQueryTest)
#include "bad_query_test.moc"
