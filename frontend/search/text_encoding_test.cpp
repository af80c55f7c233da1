// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_encoding.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

class TextEncodingTest : public QObject {
    Q_OBJECT
private slots:
    void detect_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<TextEncoding>("expected");
        const auto utf8 = TextEncoding::Utf8;
        const auto cp1252 = TextEncoding::Windows1252;
        // A UTF-8 character across the end of the 64 KiB sample is no reason to doubt the file.
        QByteArray straddling(64 * 1024 - 1, 'A');
        straddling += "\xC3\xA0\n";
        QByteArray lateLatin1(100 * 1024, 'A');
        lateLatin1 += "\xE0\n";
        QTest::newRow("ascii") << QByteArray("HOUSE\r\nCASA\n") << utf8;
        QTest::newRow("utf8 accents") << QByteArray("CITT\xC3\x80\ncitt\xC3\xA0\n") << utf8;
        QTest::newRow("latin1 accents") << QByteArray("CITT\xC0\ncitt\xE0\n") << cp1252;
        QTest::newRow("cut short at the end of the file") << QByteArray("CITT\xC3") << cp1252;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << cp1252;
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << cp1252;
        QTest::newRow("straddling the sample") << straddling << utf8;
        QTest::newRow("latin1 beyond the sample") << lateLatin1 << utf8;
    }
    void detect() {
        QFETCH(QByteArray, content);
        QFETCH(TextEncoding, expected);
        QTemporaryDir dir;
        QFile file(dir.filePath("d.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(detectFileEncoding(file.fileName()), expected);
    }

    void convert_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf8") << "CITTÀ" << TextEncoding::Utf8 << QByteArray("CITT\xC3\x80");
        QTest::newRow("1252 latin1 range")
            << "CITTÀ è" << TextEncoding::Windows1252 << QByteArray("CITT\xC0 \xE8");
        QTest::newRow("1252 from its own table")
            << "€ „x“ Ÿ" << TextEncoding::Windows1252 << QByteArray("\x80 \x84x\x93 \x9F");
        QTest::newRow("1252 without a byte for it")
            << "Łx😀" << TextEncoding::Windows1252 << QByteArray("?x?");
    }
    void convert() {
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeText(text, encoding), bytes);
        if (!bytes.contains('?')) QCOMPARE(decodeText(bytes, encoding), text);
    }

    void everyCp1252ByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = decodeText(all, TextEncoding::Windows1252);
        QCOMPARE(text.size(), 256);
        QCOMPARE(encodeText(text, TextEncoding::Windows1252), all);
    }
};

QTEST_GUILESS_MAIN(TextEncodingTest)
#include "text_encoding_test.moc"
