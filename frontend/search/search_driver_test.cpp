// SPDX-License-Identifier: GPL-3.0-or-later
#include "bilingual_texts.h"
#include "search_session.h"
#include "search_test_support.h"
#include "search_widgets.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace search_test;

Q_DECLARE_METATYPE(TextEncoding)

class SearchDriverTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;

    static QStringList headwords(const QList<Entry>& entries) {
        QStringList words;
        for (const Entry& e : entries)
            words << e.headword;
        return words;
    }

    static void addSearchColumns() {
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("shown");
    }

    // Upper case one character to one: ß has none; µ's is not in Windows-1252.
    static void addUpperCaseRows() {
        const auto utf8 = TextEncoding::Utf8;
        for (const auto encoding : {utf8, TextEncoding::Windows1252}) {
            const bool cp1252 = encoding == TextEncoding::Windows1252;
            const QString in = cp1252 ? ", Windows-1252" : ", UTF-8";
            QTest::newRow(qPrintable("straße" + in)) << encoding << "NL WL 50"
                                                     << "straße"
                                                     << "STRAßE/STR/3"
                                                     << "||      |-1|NEIGHBOURS (NL) - STR";
            const QString mu = cp1252 ? "µ" : "\u039C";
            QTest::newRow(qPrintable("µ" + in)) << encoding << "NL WL 50"
                                                << "µ" << mu + "/" + mu + "/1"
                                                << "||      |-1|NEIGHBOURS (NL) - " + mu;
        }
    }

private slots:
    void initTestCase() { useTemporaryCache(cache_); }
    void cleanup() { resetOptions(); }

    // options: "NL", "WL", the root percentage, "it" for Italian; request: QW/root/mode;
    // shown: NL|WL|translation|selected NL row|NL caption.
    void search_data() {
        addSearchColumns();
        const auto utf8 = TextEncoding::Utf8;
        const QString ca = "CANE,CASA,CASA VERDE,CASALE,CASCATA";
        const QString c = ca + ",CITTÀ,CITTÀ UNIVERSITARIA";
        const QStringList all = headwords(italianEntries());
        QTest::newRow("typed word")
            << utf8 << "NL WL 50"
            << "casa"
            << "CASA/CA/3" << ca + "|ACCASARE|house, home|1|NEIGHBOURS (NL) - CA";
        QTest::newRow("blanks around it")
            << utf8 << "NL WL 50"
            << "  casa  "
            << "CASA/CA/3" << ca + "|ACCASARE|house, home|1|NEIGHBOURS (NL) - CA";
        QTest::newRow("0%: one letter, so NL only")
            << utf8 << "NL WL 0"
            << "casa"
            << "CASA/C/1" << c + "||house, home|1|NEIGHBOURS (NL) - C";
        QTest::newRow("150%: the whole word")
            << utf8 << "NL WL 150"
            << "casa"
            << "CASA/CASA/3"
            << "CASA,CASA VERDE,CASALE|ACCASARE|house, home|0|NEIGHBOURS (NL) - CASA";
        QTest::newRow("7 letters at 50%") << utf8 << "NL WL 50"
                                          << "cascata"
                                          << "CASCATA/CASC/3"
                                          << "CASCATA||waterfall|0|NEIGHBOURS (NL) - CASC";
        QTest::newRow("star: every headword, never red")
            << utf8 << "NL WL 50"
            << "*"
            << "*/*/1" << all.join(',') + "||      |-1|NEIGHBOURS (NL) - all";
        QTest::newRow("only WL, two letters: NL after all")
            << utf8 << "WL 50"
            << "ca"
            << "CA/C/1" << c + "||      |-1|NEIGHBOURS (NL) - C";
        QTest::newRow("both lists off") << utf8 << "50"
                                        << "casa"
                                        << "CASA/CA/0"
                                        << "||house, home|-1|NEIGHBOURS (NL) - 50%";
        QTest::newRow("no translation: red") << utf8 << "NL WL 50"
                                             << "casetta"
                                             << "CASETTA/CASE/3"
                                             << "||      |-1|NEIGHBOURS (NL) - CASE";
        QTest::newRow("accented, UTF-8") << utf8 << "NL WL 50"
                                         << "città"
                                         << "CITTÀ/CI/3"
                                         << "CITTÀ,CITTÀ UNIVERSITARIA||city, town|0|"
                                            "NEIGHBOURS (NL) - CI";
        QTest::newRow("accented, Latin-1")
            << TextEncoding::Windows1252 << "NL WL 50"
            << "città"
            << "CITTÀ/CI/3"
            << "CITTÀ,CITTÀ UNIVERSITARIA||city, town|0|NEIGHBOURS (NL) - CI";
        addUpperCaseRows();
        QTest::newRow("italian") << utf8 << "NL WL 50 it"
                                 << "casa"
                                 << "CASA/CA/3"
                                 << ca + "|ACCASARE|house, home|1|STESSA RADICE - CA";
    }
    void search() {
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, options);
        QFETCH(QString, typed);
        QFETCH(QString, request);
        QFETCH(QString, shown);
        const QStringList option = options.split(' ');
        const bool nl = option.contains("NL");
        const bool wl = option.contains("WL");
        const bool italian = option.contains("it");
        setLists(nl, wl);
        setItalian(italian);
        for (const QString& o : option)
            if (o != "NL" && o != "WL" && o != "it") setPercent(o);
        const QString dict = writeDictionary(dicts_, "it.txt", italianEntries(), encoding);
        Window w;
        w.choose(dict);
        w.search(typed);

        const QStringList sent = request.split('/');
        QCOMPARE(w->view().Parola->text(), sent[0]);
        QCOMPARE(w->QueryRoot, sent[1]);
        QVERIFY(exchangeBytes().startsWith(
            QFile::encodeName(dict) + "\r\n" + encodeText(sent[0], encoding) + "\r\n" +
            encodeText(sent[1], encoding) + "\r\n" + sent[2].toLatin1() + "\r\n"));
        const QStringList expected = shown.split('|');
        QCOMPARE(items(w->view().ListZ).join(','), expected[0]);
        QCOMPARE(items(w->view().ListY).join(','), expected[1]);
        QCOMPARE(w->view().Risposta->toPlainText(), expected[2]);
        QCOMPARE(w->view().ListZ->currentRow(), expected[3].toInt());
        QCOMPARE(w->view().LabVediAnche->text(), expected[4]);
        QCOMPARE(isQueryRed(w->view().Parola), expected[2].trimmed().isEmpty() && sent[0] != "*");
        QCOMPARE(w->view().ListZ->isEnabled(), nl);
        QCOMPARE(w->view().ListY->isEnabled(), wl);
        QVERIFY(!w->view().ListZ->isHidden() && !w->view().ListY->isHidden() &&
                w->view().CmdPagN->isHidden());
        QCOMPARE(w->NLPage, qint16(1));
        QCOMPARE(
            w->view().Sbianca->text(),
            texts::keepListsCaption(italian, w->view().ListZ->count(), w->view().ListY->count()));
        QVERIFY(w.prompts.messages.isEmpty());
    }

    void keptListsOnlyTranslate() {
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        w.search("casa");
        const QStringList nl = items(w->view().ListZ);
        w->view().ListZ->setCurrentRow(3);
        w->view().Sbianca->click();
        w.search("gatto");
        QCOMPARE(w->view().Risposta->toPlainText(), QString("cat"));
        QVERIFY(exchangeBytes().contains("\r\nGATTO\r\nGA\r\n0\r\n"));
        QCOMPARE(items(w->view().ListZ), nl);
        QCOMPARE(items(w->view().ListY), QStringList{"ACCASARE"});
        QCOMPARE(w->view().ListZ->currentRow(), 3);
        QCOMPARE(w->view().LabVediAnche->text(), QString("NEIGHBOURS (NL) - CA"));
        QCOMPARE(w->NLPage, qint16(1));
        QCOMPARE(w->view().Sbianca->text(), QString("Keep current NL (5) and WL (1)"));
    }

    // A root too long for the caption is in its tool tip, until a search with a short one.
    void neighboursCaptionToolTip() {
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        w.search(QString(80, 'c'));
        QCOMPARE(w->view().LabVediAnche->toolTip(), QString(40, 'C'));
        w.search("casa");
        QCOMPARE(w->view().LabVediAnche->toolTip(), QString());
    }

    void duplicatesShowTheLastTranslation() {
        QList<Entry> entries = italianEntries();
        entries.insert(3, {"CASA", "dwelling"});
        Window w;
        w.choose(writeDictionary(dicts_, "dup.txt", entries));
        w.search("casa");
        QCOMPARE(items(w->view().ListZ),
                 (QStringList{"CANE", "CASA", "CASA", "CASA VERDE", "CASALE", "CASCATA"}));
        QCOMPARE(w->view().Risposta->toPlainText(), QString("dwelling"));
        QCOMPARE(w->view().ListZ->currentRow(), 2);
        QCOMPARE(w->ExactMatchPos, qint16(3));
    }

    void enterInAnEmptyBox_data() {
        QTest::addColumn<bool>("keep");
        QTest::newRow("lists not kept") << false;
        QTest::newRow("lists kept") << true;
    }
    void enterInAnEmptyBox() {
        QFETCH(bool, keep);
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        w.search("casa");
        const QByteArray before = exchangeBytes();
        w->view().Sbianca->setChecked(keep);
        w->view().Parola->setText("   ");
        w.pressEnter();
        QCOMPARE(exchangeBytes(), before);
        QCOMPARE(w->view().Parola->text(), QString());
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QCOMPARE(w->view().ListZ->count(), keep ? 5 : 0);
        QCOMPARE(w->view().ListY->count(), keep ? 1 : 0);
        QVERIFY(!w->view().ListZ->isEnabled() && !w->view().ListY->isEnabled());
        QCOMPARE(w->view().Storia->count(), 1);
    }

    // The window lays itself out again once per answer, and not for a search that never ran.
    void layoutFollowsEachAnswer() {
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        w.search("casa");
        w.search("casetta");
        QCOMPARE(w.host().layouts, 2);
        w.search("   ");
        QCOMPARE(w.host().layouts, 2);
    }

    void lineBreaksInAPastedWordAreDropped() {
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        w->view().Parola->setText("ca\r\nsa\n");
        w->view().CmdVai->click();
        QCOMPARE(w->view().Parola->text(), QString("CASA"));
        QCOMPARE(w->view().Risposta->toPlainText(), QString("house, home"));
        QCOMPARE(exchangeBytes().split('\n').at(1), QByteArray("CASA\r"));
    }
};

QTEST_MAIN(SearchDriverTest)
#include "search_driver_test.moc"
