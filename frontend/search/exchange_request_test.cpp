// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_request.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(SearchMode)

class ExchangeRequestTest : public QObject {
    Q_OBJECT
private slots:
    void request_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("queryWord");
        QTest::addColumn<QString>("root");
        QTest::addColumn<SearchMode>("mode");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QByteArray>("expected"); // empty: refused
        QTest::newRow("plain") << "/d/en_it.txt"
                               << "HOUSE"
                               << "HO" << SearchMode::NeighboursAndWhereinto << TextEncoding::Utf8
                               << QByteArray("/d/en_it.txt\r\nHOUSE\r\nHO\r\n3\r\n");
        // The path goes out as the file system's bytes, the words in the dictionary's encoding.
        QTest::newRow("latin1 dictionary in an accented folder")
            << "/d/città/it.txt"
            << "CITTÀ"
            << "CIT" << SearchMode::TranslationOnly << TextEncoding::Windows1252
            << QByteArray("/d/citt\xC3\xA0/it.txt\r\nCITT\xC0\r\nCIT\r\n0\r\n");
        QTest::newRow("utf8 dictionary") << "/d/it.txt"
                                         << "CITTÀ"
                                         << "CITTÀ" << SearchMode::Whereinto << TextEncoding::Utf8
                                         << QByteArray("/d/it.txt\r\nCITT\xC3\x80\r\nCITT\xC3\x80"
                                                       "\r\n2\r\n");
        QTest::newRow("LF in the path")
            << "/d/a\nb.txt"
            << "HOUSE"
            << "HO" << SearchMode::NeighboursAndWhereinto << TextEncoding::Utf8 << QByteArray();
        QTest::newRow("CR in the word")
            << "/d/a.txt"
            << "HOU\rSE"
            << "HO" << SearchMode::NeighboursAndWhereinto << TextEncoding::Utf8 << QByteArray();
        // A stand-in '?' would search another word.
        QTest::newRow("word without Windows-1252 bytes")
            << "/d/a.txt"
            << "ДА"
            << "Д" << SearchMode::Neighbours << TextEncoding::Windows1252 << QByteArray();
    }
    void request() {
        QFETCH(QString, path);
        QFETCH(QString, queryWord);
        QFETCH(QString, root);
        QFETCH(SearchMode, mode);
        QFETCH(TextEncoding, encoding);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString exchange = dir.filePath("zzz.log");
        const QByteArray previous = "a much longer previous request and results\r\n*0\r\n";
        QFile file(exchange);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(previous);
        file.close();

        QString error;
        const bool written =
            writeRequest(exchange, {path, queryWord, root, mode}, encoding, &error);
        QCOMPARE(written, !expected.isEmpty());
        QCOMPARE(error.isEmpty(), written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written ? expected : previous); // a refusal leaves it alone
    }
};

QTEST_GUILESS_MAIN(ExchangeRequestTest)
#include "exchange_request_test.moc"
