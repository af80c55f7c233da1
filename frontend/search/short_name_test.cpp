// SPDX-License-Identifier: GPL-3.0-or-later
#include "short_name.h"

#include <QTest>

class ShortNameTest : public QObject {
    Q_OBJECT
private slots:
    void shortName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("hasShortName");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("plain") << "/home/u/dict/inglese_italiano.txt"
                               << "inglese_italiano.txt" << true << "inglese_italiano";
        QTest::newRow("upper case extension") << "/d/Lessico.TXT"
                                              << "Lessico.TXT" << true << "Lessico";
        QTest::newRow("twice") << "/d/a.txt.txt"
                               << "a.txt.txt" << true << "a";
        QTest::newRow("inside the name") << "/d/my.txtfile.txt"
                                         << "my.txtfile.txt" << true << "my";
        QTest::newRow("no txt") << "/d/lessico.dat"
                                << "lessico.dat" << false << "";
        QTest::newRow("txt in the folder only") << "/d.txt/lessico"
                                                << "lessico" << false << "";
        QTest::newRow("only the extension") << "/d/.txt"
                                            << ".txt" << true << "";
        QTest::newRow("no folder") << "lessico.txt"
                                   << "lessico.txt" << true << "lessico";
        // Upper-casing ß gives SS, which would shift positions in an upper-cased copy.
        QTest::newRow("letters that grow in upper case") << "/d/straße.txt"
                                                         << "straße.txt" << true << "straße";
        QTest::newRow("accented") << "/d/città.Txt"
                                  << "città.Txt" << true << "città";
    }
    void shortName() {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(bool, hasShortName);
        QFETCH(QString, shortName);
        QCOMPARE(fileNamePart(path), fileName);
        const auto found = shortNameOf(fileName);
        QCOMPARE(found.has_value(), hasShortName);
        if (found) QCOMPARE(*found, shortName);
    }
};

QTEST_GUILESS_MAIN(ShortNameTest)
#include "short_name_test.moc"
