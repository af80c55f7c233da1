// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_lines.h"
#include "search_session.h"
#include "search_test_support.h"
#include "search_widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace search_test;

// Dictionaries that are not what they should be: the window shows a defined result or a clear
// message, and never hangs, crashes or shows a list that silently differs from the file.
class BadDictionaryTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    // The lines around a line of `megabytes` MB of one letter, written a block at a time.
    QString writeHuge(const QString& name, const QByteArray& before, const QByteArray& after,
                      int megabytes) {
        const QString path = dicts_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(before);
        const QByteArray block(1 << 20, 'A');
        for (int i = 0; i < megabytes; ++i)
            file.write(block);
        file.write(after);
        return path;
    }

    // A headword line and a translation line of that size: past the read block, the display
    // cut and the longest query.
    void addHugeRows(int megabytes) {
        const QString size = QString(" of %1 MB").arg(megabytes);
        const QString headword = writeHuge(QString("headword-%1.txt").arg(megabytes),
                                           "CANE\ndog\nCASA", "\nbig\n", megabytes);
        const QString translation = writeHuge(QString("translation-%1.txt").arg(megabytes),
                                              "CASA\n", "\nCANE\ndog\n", megabytes);
        QTest::newRow(qPrintable("a headword" + size))
            << QByteArray() << headword
            << QStringList{"CANE", shortened("CASA" + QString(1000, 'A'), 1000)} << QString(6, ' ')
            << true << 1 << "too long";
        QTest::newRow(qPrintable("a translation" + size))
            << QByteArray() << translation << QStringList{"CASA", "CANE"}
            << shortened(QString(longestTranslation + 1, 'A'), longestTranslation) << false << 1
            << "dog";
    }

    void addContentColumns() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("file");   // a dictionary written before, instead
        QTest::addColumn<QStringList>("nl"); // after searching "casa"
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("clickedRow"); // then double-clicked in NL; -1: not
        QTest::addColumn<QString>("then");   // the answer after it, or "too long"
    }

private slots:
    void initTestCase() { useTemporaryCache(cache_); }
    void cleanup() { resetOptions(); }

    void contents_data() {
        addContentColumns();
        const QString blanks(6, ' ');
        const QString longHeadword = "CASA" + QString(9996, 'X');
        QTest::newRow("empty") << QByteArray() << QString() << QStringList{} << blanks << true << -1
                               << "";
        QTest::newRow("no line end at all")
            << QByteArray("CASA house CANE dog") << QString() << QStringList{"CASA house CANE dog"}
            << blanks << true << -1 << "";
        // The last line needs no line end: an exact match with an empty translation.
        QTest::newRow("no translation line")
            << QByteArray("CANE\ndog\nCASA") << QString() << QStringList{"CANE", "CASA"} << ""
            << true << 0 << "dog";
        // A CR that does not stand before LF belongs to the line: one headword, the whole file.
        QTest::newRow("CR-only line ends")
            << QByteArray("CANE\rdog\rCASA\rhouse\r") << QString()
            << QStringList{"CANE\rdog\rCASA\rhouse\r"} << blanks << true << -1 << "";
        QTest::newRow("CR LF line ends")
            << QByteArray("CANE\r\ndog\r\nCASA\r\nhouse\r\n") << QString()
            << QStringList{"CANE", "CASA"} << "house" << false << 0 << "dog";
        // A NUL is an ordinary character: kept in the item, and the item can be searched.
        QTest::newRow("NUL bytes") << QByteArray("CA\0SA\nnul\nCASA\nhouse\n", 21) << QString()
                                   << QStringList{QString::fromUtf8("CA\0SA", 5), "CASA"} << "house"
                                   << false << 0 << "nul";
        QTest::newRow("a headword of 10,000 characters")
            << (longHeadword.toLatin1() + "\nlong\n") << QString()
            << QStringList{shortened(longHeadword, 1000)} << blanks << true << 0 << "long";
        addHugeRows(4);
    }
    void contents() {
        QFETCH(QByteArray, content);
        QFETCH(QString, file);
        QFETCH(QStringList, nl);
        QFETCH(QString, answer);
        QFETCH(bool, red);
        QFETCH(int, clickedRow);
        QFETCH(QString, then);
        Window w;
        w.choose(file.isEmpty() ? writeBytes(dicts_, "bad.txt", content) : file);
        w.search("casa");
        QCOMPARE(items(w->view().ListZ), nl);
        QCOMPARE(w->view().Risposta->toPlainText(), answer);
        QCOMPARE(isQueryRed(w->view().Parola), red);
        QVERIFY(w.prompts.messages.isEmpty());
        QCOMPARE(w.prompts.endCalls, 0);
        if (clickedRow < 0) return;
        doubleClick(w->view().ListZ, clickedRow);
        if (then == "too long") {
            QCOMPARE(w.prompts.messages.size(), 1);
            QVERIFY(w.prompts.messages.first().text.contains("32767"));
            QCOMPARE(w->view().Parola->text(), QString("CASA")); // nothing was searched
            QCOMPARE(items(w->view().ListZ), nl);
        } else {
            QCOMPARE(w->view().Risposta->toPlainText(), then);
            QVERIFY(w.prompts.messages.isEmpty());
        }
    }

    // Lines of 100 MB: slow, so only where VOCABRIX_SLOW_TESTS is set (ctest label "slow").
    void hugeLines_data() {
        addContentColumns();
        if (qEnvironmentVariableIsSet("VOCABRIX_SLOW_TESTS")) addHugeRows(100);
    }
    void hugeLines() {
        if (!qEnvironmentVariableIsSet("VOCABRIX_SLOW_TESTS")) QSKIP("VOCABRIX_SLOW_TESTS unset");
        contents();
    }

    // Random bytes decode as Windows-1252 and are shown as they decode, in items of a bounded
    // length.
    void binaryFile() {
        QByteArray bytes(256 * 1024, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        Window w;
        w.choose(writeBytes(dicts_, "binary.txt", bytes));
        QCOMPARE(w->session().encoding, TextEncoding::Windows1252);
        w.search("*");
        QVERIFY(w.prompts.messages.isEmpty());
        QCOMPARE(w.prompts.endCalls, 0);
        QVERIFY(w->view().ListZ->count() > 10);
        for (const QString& item : items(w->view().ListZ))
            QVERIFY(item.size() <= longestListItem + 1);
    }

    // The dictionary changes between its choice and the next search: the scanner cannot read
    // it, which is reported and ends the program.
    void changedAfterTheChoice_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("deleted") << "deleted";
        QTest::newRow("replaced by a folder") << "folder";
        QTest::newRow("replaced by a pipe") << "pipe";
        QTest::newRow("made unreadable") << "unreadable";
    }
    void changedAfterTheChoice() {
        QFETCH(QString, change);
        if (change == "unreadable" && ::geteuid() == 0) QSKIP("root reads any file");
        const QString dict = writeDictionary(dicts_, "changed.txt", italianEntries());
        Window w;
        w.choose(dict);
        if (change != "unreadable") QVERIFY(QFile::remove(dict));
        const QByteArray name = QFile::encodeName(dict);
        if (change == "folder") QVERIFY(QDir().mkdir(dict));
        if (change == "pipe") QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        if (change == "unreadable") QVERIFY(::chmod(name.constData(), 0) == 0);
        w.search("casa");
        QCOMPARE(w.prompts.messages.size(), 1);
        const FakePrompts::Message& m = w.prompts.messages.first();
        QCOMPARE(m.title, QString("Errore ..."));
        QCOMPARE(m.text, QString("... errori nel richiamo del file ZZZ.log !"));
        QCOMPARE(m.icon, UserPrompts::Icon::Critical);
        QCOMPARE(w.prompts.endCalls, 1);
        QVERIFY(!w->session().exchange().isOpen());
        QVERIFY(!w->session().busy());
        if (change == "folder") QVERIFY(QDir().rmdir(dict));
        if (change != "folder") QFile::remove(dict);
    }

    // Something that exists but is no file cannot be a dictionary, nor can nothing: refused when
    // it is chosen.
    void noFileChosen_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("change"); // a dictionary was chosen before
        for (const bool change : {false, true}) {
            const char* when = change ? ", changing" : ", first choice";
            QTest::newRow(qPrintable(QString("folder") + when)) << "folder" << change;
            QTest::newRow(qPrintable(QString("pipe") + when)) << "pipe" << change;
            QTest::newRow(qPrintable(QString("device") + when)) << "device" << change;
            QTest::newRow(qPrintable(QString("missing") + when)) << "missing" << change;
        }
        // The change is cancelled, but the old dictionary has become a pipe meanwhile.
        QTest::newRow("pipe in the old one's place") << "old pipe" << true;
    }
    void noFileChosen() {
        QFETCH(QString, kind);
        QFETCH(bool, change);
        QTemporaryDir place;
        const bool oldPipe = kind == "old pipe";
        const QString good = oldPipe ? writeDictionary(place, "old.txt", italianEntries())
                                     : writeDictionary(dicts_, "good.txt", italianEntries());
        QString path = place.filePath("dictionary.txt");
        if (kind == "folder") QVERIFY(QDir().mkdir(path));
        if (kind == "pipe") QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (kind == "device") path = "/dev/null";
        Window w;
        if (change) {
            w.choose(good);
            w->view().Sbianca->click(); // the standing pin shows
        }
        if (oldPipe) {
            path = good;
            QVERIFY(QFile::remove(path));
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        }
        w.choose(oldPipe ? QString() : path);
        const bool kept = change && !oldPipe;
        QCOMPARE(w.prompts.messages.size(), 1);
        QVERIFY(w.prompts.messages.first().text.contains(path));
        QCOMPARE(w->DictPath, kept ? good : QString());
        QCOMPARE(w->view().mOpen->isEnabled(), !kept);
        if (!kept) {
            QVERIFY(!w->view().mChange->isEnabled() && !w->view().Parola->isEnabled());
            // Back to the start: nothing is shown that could not be used.
            for (const char* name :
                 {"Sbianca", "Puntina", "PuntinaOK", "CmdBack", "CmdForw", "CmdPagP", "CmdPagN"})
                QVERIFY2(w.widget()->findChild<QWidget*>(name)->isHidden(), name);
            QVERIFY(!w->view().Sbianca->isChecked());
            return;
        }
        w.search("casa");
        QCOMPARE(w->view().Risposta->toPlainText(), QString("house, home"));
    }
};

QTEST_MAIN(BadDictionaryTest)
#include "bad_dictionary_test.moc"
