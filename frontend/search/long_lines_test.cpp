// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_lines.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

class LongLinesTest : public QObject {
    Q_OBJECT
private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("start"); // what the text must begin with
        QTest::addColumn<qsizetype>("size");
        const auto utf8 = TextEncoding::Utf8;
        const qsizetype whole = 3 * (longestQuery + 1);
        QTest::newRow("short") << QByteArray("CASA") << utf8 << false << "CASA" << qsizetype(4);
        QTest::newRow("NUL bytes kept") << QByteArray("CA\0SA", 5) << utf8 << false
                                        << QString::fromUtf8("CA\0SA", 5) << qsizetype(5);
        QTest::newRow("longest decoded whole")
            << QByteArray(whole, 'A') << utf8 << false << QString(whole, 'A') << whole;
        QTest::newRow("one byte more: only the start")
            << QByteArray(whole + 1, 'A') << utf8 << true << QString(whole, 'A') << whole;
        // Three bytes a character: still more characters than the longest query.
        QTest::newRow("three bytes a character")
            << QByteArray("\xE2\x82\xAC").repeated(whole) << utf8 << true
            << QString(longestQuery + 1, QChar(0x20AC)) << whole / 3;
        QTest::newRow("Windows-1252") << QByteArray(whole * 2, '\x80') << TextEncoding::Windows1252
                                      << true << QString(whole, QChar(0x20AC)) << whole;
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, encoding);
        QFETCH(bool, cut);
        QFETCH(QString, start);
        QFETCH(qsizetype, size);
        bool wasCut = !cut;
        const QString text = decodeResultLine(bytes, encoding, &wasCut);
        QCOMPARE(wasCut, cut);
        QCOMPARE(text.size(), size);
        QVERIFY(text.startsWith(start));
    }

    void shortened_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("shorter") << "CASA"
                                 << "CASA";
        QTest::newRow("exactly as long") << "CASAS"
                                         << "CASAS";
        QTest::newRow("longer") << "CASALE"
                                << "CASAL…";
        QTest::newRow("a pair is not split") << "CASA😀"
                                             << "CASA…";
    }
    void shortened() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::shortened(text, 5), shown);
    }
};

QTEST_GUILESS_MAIN(LongLinesTest)
#include "long_lines_test.moc"
