// SPDX-License-Identifier: GPL-3.0-or-later
#include "chunk_read.h"
#include "exchange_lines.h"
#include "exchange_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

// Reads the file as the search and the page loader do, line by line.
// False when the file could not be written or opened.
template <typename Take> [[nodiscard]] bool readFile(const QByteArray& content, Take take) {
    QTemporaryDir dir;
    QFile file(dir.filePath("zzz.log"));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return false;
    file.close();
    ExchangeReader reader;
    if (!reader.open(file.fileName())) return false;
    QByteArrayView line;
    while (reader.next(line) && take(line)) {
    }
    return true;
}

} // namespace

class ExchangeLinesTest : public QObject {
    Q_OBJECT
private slots:
    void firstRead_data() {
        QTest::addColumn<QByteArray>("results"); // the lines after the first chunk header
        QTest::addColumn<QString>("root");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("shown"); // NL|WL|translation@position|more
        const auto utf8 = TextEncoding::Utf8;
        QTest::newRow("house") << QByteArray("HOME\r\nHOUSE\r\n=CASA, ABITAZIONE\r\nHOUSEBOAT\r\n"
                                             "LIGHTHOUSE\r\n")
                               << "HO" << utf8
                               << "HOME,HOUSE,HOUSEBOAT|LIGHTHOUSE|CASA, ABITAZIONE@2|";
        QTest::newRow("ignored lines")
            << QByteArray("_X\r\n\r\n   \r\n  HOME\r\n") << "HO" << utf8 << "|  HOME||";
        // Only spaces make a line blank.
        QTest::newRow("a tab is no blank") << QByteArray("\t\r\n") << "HO" << utf8 << "|\t||";
        QTest::newRow("duplicates: the last translation wins")
            << QByteArray("CASA\r\n=HOUSE\r\nCASA\r\n=HOME\r\n=\r\n") << "CA" << utf8
            << "CASA,CASA||@2|";
        QTest::newRow("second header ends the read")
            << QByteArray("HOME\r\n*1\r\nHOUSE\r\n") << "HO" << utf8 << "HOME|||more";
        QTest::newRow("star: everything is NL") << QByteArray("ABACO\r\n=ABACUS\r\nZEBRA\r\n")
                                                << "*" << utf8 << "ABACO,ZEBRA||ABACUS@1|";
        QTest::newRow("case counts") << QByteArray("house\r\n") << "HO" << utf8 << "|house||";
        QTest::newRow("latin1 decoded before the root is compared")
            << QByteArray("CITT\xC0\r\n=citt\xE0\r\nCITY\r\n") << "CITTÀ"
            << TextEncoding::Windows1252 << "CITTÀ|CITY|città@1|";
        // Its bytes ("?B") would match the line; the characters do not.
        QTest::newRow("a root the code page cannot hold")
            << QByteArray("?BC\r\n") << QString("ΩB") << TextEncoding::Windows1252 << "|?BC||";
        // A file cut off inside a CR LF, as a failed append leaves it.
        QTest::newRow("last line cut before its LF loses the CR")
            << QByteArray("HOME\r\n=CASA\r") << "HO" << utf8 << "HOME||CASA@1|";
        QTest::newRow("utf8 decoded")
            << QByteArray("CITT\xC3\x80\r\n=citt\xC3\xA0\r\n") << "CI" << utf8 << "CITTÀ||città@1|";
    }
    void firstRead() {
        QFETCH(QByteArray, results);
        QFETCH(QString, root);
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, shown);
        const FirstChunkReader chunk({root, root == "*"}, encoding);
        QStringList nl, wl;
        QString translation, more;
        QString text;
        // The request and the first chunk header come first; a "*" on line 2 is no header.
        const bool fileRead = readFile(
            "/d/x.txt\r\n*\r\n*\r\n1\r\n*9\r\n" + results, [&, line = 0](auto view) mutable {
                if (++line <= 5) return true;
                switch (chunk.take(view, text)) {
                case FirstChunkReader::Step::Nothing:
                    break;
                case FirstChunkReader::Step::Neighbour:
                    nl << decodeText(view, encoding);
                    break;
                case FirstChunkReader::Step::Whereinto:
                    wl << decodeText(view, encoding);
                    break;
                case FirstChunkReader::Step::Translation:
                    translation = text + '@' + QString::number(nl.size());
                    break;
                case FirstChunkReader::Step::MoreChunks:
                    more = "more";
                    return false;
                }
                return true;
            });
        QVERIFY(fileRead);
        QCOMPARE(nl.join(',') + '|' + wl.join(',') + '|' + translation + '|' + more, shown);
    }

    void page_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("nl");
        QTest::addColumn<bool>("more");
        const QByteArray star("/d/x.txt\r\n*\r\n*\r\n1\r\n");
        const QByteArray house("/d/x.txt\r\nHOUSE\r\nHO\r\n3\r\n");
        QTest::newRow("star, page 1") << star << "*" << 1 << QStringList{"A1", "A2"} << true;
        QTest::newRow("star, page 2") << star << "*" << 2 << QStringList{"B1", "HOUSE"} << true;
        QTest::newRow("star, last page") << star << "*" << 3 << QStringList{"C1"} << false;
        QTest::newRow("beyond the last page") << star << "*" << 4 << QStringList{} << false;
        QTest::newRow("no page 0") << star << "*" << 0 << QStringList{} << false;
        QTest::newRow("WL lines skipped") << house << "HO" << 2 << QStringList{"HOUSE"} << true;
    }
    void page() {
        QFETCH(QByteArray, request);
        QFETCH(QString, root);
        QFETCH(int, page);
        QFETCH(QStringList, nl);
        QFETCH(bool, more);
        // Three chunks; a PT line opens the second.
        const QByteArray results = "*2\r\nA1\r\n_X\r\nA2\r\n*2\r\n=TRANSLATION\r\nB1\r\n\r\n"
                                   "   \r\nHOUSE\r\n=CASA\r\n*1\r\nC1";
        PageReader pages(page, {root, root == "*"}, TextEncoding::Utf8);
        QStringList shown;
        bool sawMore = false;
        const bool fileRead = readFile(request + results, [&](auto view) {
            const auto step = pages.take(view);
            if (step == PageReader::Step::Neighbour) shown << QString::fromUtf8(view);
            sawMore = step == PageReader::Step::MoreChunks;
            return !sawMore;
        });
        QVERIFY(fileRead);
        QCOMPARE(shown, nl);
        QCOMPARE(sawMore, more);
    }

    void lines_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QByteArray>>("lines");
        const QByteArray longLine(600 * 1024, 'X');
        QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("CR LF and LF; last line without end")
            << QByteArray("A\r\nB\n\r\nC") << QList<QByteArray>{"A", "B", "", "C"};
        QTest::newRow("CR inside a line kept")
            << QByteArray("A\rB\r\n") << QList<QByteArray>{"A\rB"};
        QTest::newRow("lines across read blocks")
            << QByteArray("A\r\n" + longLine + "\r\nB") << QList<QByteArray>{"A", longLine, "B"};
    }
    void lines() {
        QFETCH(QByteArray, content);
        QFETCH(QList<QByteArray>, lines);
        QList<QByteArray> read;
        const bool fileRead = readFile(content, [&](auto view) {
            read << view.toByteArray();
            return true;
        });
        QVERIFY(fileRead);
        QCOMPARE(read, lines);
    }

    // The one read loop: where it stops, and what it finds out about the file meanwhile.
    void chunk_data() {
        QTest::addColumn<QString>("meanwhile"); // done to the file whenever events run
        QTest::addColumn<QString>("found");     // lines taken|how it ended
        QTest::newRow("to the end") << ""
                                    << "A,B|";
        QTest::newRow("closed under the read") << "close"
                                               << "A|abandoned";
        QTest::newRow("grown under the read") << "append"
                                              << "A,B,X|replaced";
        QTest::newRow("stops at the next header") << ""
                                                  << "A,B|more";
    }
    void chunk() {
        QFETCH(QString, meanwhile);
        QFETCH(QString, found);
        const bool header = QByteArray(QTest::currentDataTag()).contains("header");
        QTemporaryDir dir;
        QFile file(dir.filePath("zzz.log"));
        const QByteArray content = header ? "A\nB\n*1\nC\n" : "A\nB\n";
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        ExchangeReader reader;
        QVERIFY(reader.open(file.fileName()));
        QStringList taken;
        const auto take = [&](QByteArrayView line) {
            if (line.startsWith('*')) return false;
            taken << QString::fromLatin1(line);
            return true;
        };
        const auto pause = [&] {
            if (meanwhile == "close") reader.close();
            if (meanwhile == "append" && file.open(QIODevice::Append)) {
                file.write("X\n");
                file.close();
                meanwhile.clear(); // once
            }
        };
        const ChunkRead read = readChunk(reader, content.size(), take, pause, EventPacer(1));
        const QString end = read.abandoned   ? "abandoned"
                            : read.replaced  ? "replaced"
                            : read.morePages ? "more"
                                             : "";
        QCOMPARE(taken.join(',') + '|' + end, found);
        QVERIFY(!read.failed && !reader.isOpen());
    }

    // Whether the file still holds the request this window wrote; nothing is used up.
    void beginsWith_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("ours");
        const QByteArray request = "/d/x.txt\r\nHOUSE\r\nHO\r\n3\r\n";
        QTest::newRow("the same request") << request + "*0\r\n" << true;
        QTest::newRow("the request alone") << request << true;
        QTest::newRow("another word")
            << QByteArray("/d/x.txt\r\nHOME\r\nHO\r\n3\r\n*0\r\n") << false;
        QTest::newRow("LF for CR LF") << QByteArray("/d/x.txt\nHOUSE\nHO\n3\n*0\n") << false;
        QTest::newRow("cut inside the request") << request.left(12) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void beginsWith() {
        QFETCH(QByteArray, content);
        QFETCH(bool, ours);
        // A request longer than a read block, as a long path and query make it.
        for (const QByteArray& path : {QByteArray("/d/x.txt"), "/d/" + QByteArray(300000, 'd')}) {
            const QByteArray expected = path + "\r\nHOUSE\r\nHO\r\n3\r\n";
            QByteArray file = content;
            file.replace("/d/x.txt", path);
            QTemporaryDir dir;
            QFile out(dir.filePath("zzz.log"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
            out.close();
            ExchangeReader reader;
            QVERIFY(reader.open(out.fileName()));
            QCOMPARE(reader.beginsWith(expected), ours);
            QCOMPARE(reader.size(), qint64(file.size()));
            QByteArrayView line;
            QCOMPARE(reader.next(line), !file.isEmpty());
            QCOMPARE(line.toByteArray(), file.left(file.indexOf('\n')).replace("\r", ""));
        }
    }

    void sizeFollowsAnotherWriter() {
        QTemporaryDir dir;
        QFile out(dir.filePath("zzz.log"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("/d/x.txt\r\nHOUSE\r\nHO\r\n3\r\n*0\r\n");
        out.flush();
        ExchangeReader reader;
        QVERIFY(reader.open(out.fileName()));
        QCOMPARE(reader.size(), qint64(28));
        out.resize(0);
        out.write("/d/y.txt\r\n");
        out.flush();
        QCOMPARE(reader.size(), qint64(10));
        reader.close();
        QCOMPARE(reader.size(), qint64(-1));
    }
};

QTEST_GUILESS_MAIN(ExchangeLinesTest)
#include "exchange_lines_test.moc"
