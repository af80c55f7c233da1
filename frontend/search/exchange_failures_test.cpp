// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_request.h"
#include "search_session.h"
#include "search_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace search_test;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The system's own words for an error, in the locale the program runs in.
QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Files the process writes may grow to `limit` bytes while it lives; writes beyond fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace

// The exchange file cannot be used as it should, or no longer holds this window's results.
class ExchangeFailuresTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;
    QString dict_;
    QString longDict_;

private slots:
    void initTestCase() {
        useTemporaryCache(cache_);
        dict_ = writeDictionary(dicts_, "it.txt", italianEntries());
        longDict_ = writeDictionary(dicts_, "long.txt", longEntries());
    }
    void cleanup() {
        useTemporaryCache(cache_);
        resetOptions();
    }

    // The search is not run and the user is told why; the next search in a sound place works.
    void notWritten_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("told"); // part of the message
        QTest::newRow("a file where the folder belongs") << "folder is a file"
                                                         << "is not a folder";
        QTest::newRow("the cache folder is a file") << "cache is a file" << systemText(ENOTDIR);
        QTest::newRow("the folder is a symbolic link") << "folder link"
                                                       << "is a symbolic link";
        QTest::newRow("the file is a symbolic link") << "file link"
                                                     << "is a symbolic link";
        QTest::newRow("another user's folder") << "folder owner"
                                               << "belongs to another user";
        QTest::newRow("full disk before the request") << "full at 10 bytes" << systemText(EFBIG);
    }
    void notWritten() {
        QFETCH(QString, place);
        QFETCH(QString, told);
        if (place.endsWith("owner") && ::geteuid() != 0) QSKIP("giving a folder away needs root");
        QTemporaryDir cache;
        const QString folder = cache.filePath("vocabrix");
        const QByteArray folderName = QFile::encodeName(folder);
        const QString target = dicts_.filePath("target.txt");
        QVERIFY(writeFile(target, "keep"));
        if (place == "folder is a file") QVERIFY(writeFile(folder, ""));
        if (place == "cache is a file") QVERIFY(writeFile(folder, ""));
        if (place == "folder link")
            QVERIFY(::symlink(QFile::encodeName(dicts_.path()).constData(),
                              folderName.constData()) == 0);
        if (place == "file link" || place == "folder owner") QVERIFY(QDir().mkdir(folder));
        if (place == "file link")
            QVERIFY(::symlink(QFile::encodeName(target).constData(),
                              QFile::encodeName(folder + "/zzz.log").constData()) == 0);
        if (place == "folder owner") QVERIFY(::chown(folderName.constData(), 65534, 65534) == 0);

        Window w;
        w.choose(dict_);
        w.search("gatto");
        qputenv("XDG_CACHE_HOME",
                QFile::encodeName(place == "cache is a file" ? folder : cache.path()));
        {
            const FileSizeLimit limit(place == "full at 10 bytes" ? 10 : RLIM_INFINITY);
            w.search("casa");
        }
        useTemporaryCache(cache_);
        QCOMPARE(w.prompts.messages.size(), 1);
        QVERIFY2(w.prompts.messages.first().text.contains(told),
                 qPrintable(w.prompts.messages.first().text));
        QCOMPARE(w.prompts.endCalls, 0);
        QCOMPARE(w->view().ListZ->count(), 0);
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QVERIFY(!w->session().busy());
        QCOMPARE(w.widget()->cursor().shape(), Qt::ArrowCursor);
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("keep"));
        QVERIFY(!QFile::exists(dicts_.filePath("zzz.log")));
        w.search("casa");
        QCOMPARE(w->view().Risposta->toPlainText(), QString("house, home"));
    }

    // The disk fills while the scanner appends: a failed scan, reported as the scanner's failure.
    void fullDiskDuringTheScan() {
        Window w;
        w.choose(longDict_);
        {
            const FileSizeLimit limit(4096);
            w.search("*");
        }
        QCOMPARE(w.prompts.messages.size(), 1);
        QCOMPARE(w.prompts.messages.first().text,
                 QString("... errori nel richiamo del file ZZZ.log !"));
        QCOMPARE(w.prompts.endCalls, 1);
        QVERIFY(!w->session().busy());
    }

    // Between a search and a page change the file is changed: NL stays empty, with a message;
    // the translation and WL stay.
    void changedBeforeAPageChange_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("told");
        QTest::newRow("deleted") << "deleted" << systemText(ENOENT);
        QTest::newRow("emptied") << "emptied"
                                 << "Another search";
        QTest::newRow("cut inside the results") << "cut"
                                                << "Another search";
        QTest::newRow("rewritten by another copy") << "another request"
                                                   << "Another search";
        QTest::newRow("another request of the same size") << "same size"
                                                          << "Another search";
        QTest::newRow("replaced by a symbolic link") << "link"
                                                     << "is a symbolic link";
        QTest::newRow("replaced by another user's file") << "owner"
                                                         << "belongs to another user";
    }
    void changedBeforeAPageChange() {
        QFETCH(QString, change);
        QFETCH(QString, told);
        if (change == "owner" && ::geteuid() != 0) QSKIP("giving a file away needs root");
        setPercent("100");
        Window w;
        w.choose(longDict_);
        w.search("ho");
        const QString exchange = exchangeFilePath();
        const QByteArray name = QFile::encodeName(exchange);
        const QByteArray results = exchangeBytes();
        const QString copy = dicts_.filePath("copy.log");
        if (change != "emptied" && change != "cut" && change != "same size")
            QVERIFY(QFile::remove(exchange));
        if (change == "same size")
            QVERIFY(writeFile(exchange, QByteArray(results).replace("\r\nHO\r\n", "\r\nHA\r\n")));
        if (change == "emptied") QVERIFY(QFile::resize(exchange, 0));
        if (change == "cut") QVERIFY(QFile::resize(exchange, results.size() / 2));
        if (change == "another request")
            QVERIFY(writeFile(exchange,
                              QFile::encodeName(dict_) + "\r\nCASA\r\nCA\r\n3\r\n*1\r\nCASA\r\n"));
        if (change == "link") {
            QVERIFY(writeFile(copy, results));
            QVERIFY(::symlink(QFile::encodeName(copy).constData(), name.constData()) == 0);
        }
        if (change == "owner") {
            QVERIFY(writeFile(exchange, results));
            QVERIFY(::chown(name.constData(), 65534, 65534) == 0);
        }
        w->view().CmdPagN->click();
        QCOMPARE(w.prompts.messages.size(), 1);
        QVERIFY2(w.prompts.messages.first().text.contains(told),
                 qPrintable(w.prompts.messages.first().text));
        QCOMPARE(w.prompts.endCalls, 0);
        QCOMPARE(w->view().ListZ->count(), 0);
        QVERIFY(!w->view().ListZ->isHidden());
        QVERIFY(w->view().CmdPagN->isHidden() && w->view().CmdPagP->isHidden());
        QCOMPARE(items(w->view().ListY), QStringList{"AHOY"});
        QCOMPARE(w->view().Sbianca->text(), QString("Keep current NL (0) and WL (1)"));
        QVERIFY(!w->session().busy());
        QFile::remove(exchange);
        w.search("ho"); // a new search works again
        QCOMPARE(w->view().ListZ->count(), 32000);
    }

    // Two copies share the file: a search in one makes the other's pages its own no more.
    void twoWindows() {
        setPercent("100");
        Window first;
        Window second;
        first.choose(longDict_);
        second.choose(dict_);
        first.search("ho");
        second.search("casa");
        first->view().CmdPagN->click();
        QCOMPARE(first.prompts.messages.size(), 1);
        QVERIFY(first.prompts.messages.first().text.startsWith("Another search has replaced"));
        QCOMPARE(first->view().ListZ->count(), 0);
        QCOMPARE(items(second->view().ListZ), (QStringList{"CASA", "CASA VERDE", "CASALE"}));
        first.search("ho");
        first->view().CmdPagN->click();
        QCOMPARE(first->view().ListZ->count(), 8000);
    }

    // The other copy searches while this one still reads its results back.
    void anotherSearchDuringARead() {
        setItalian(true);
        Window first;
        Window second;
        first.choose(longDict_);
        second.choose(dict_);
        QMetaObject::invokeMethod(
            first.widget(), [&] { second.search("casa"); }, Qt::QueuedConnection);
        first.search("*");
        QCOMPARE(first.prompts.messages.size(), 1);
        QVERIFY(first.prompts.messages.first().text.startsWith("Un'altra ricerca"));
        QCOMPARE(first->view().ListZ->count() + first->view().ListY->count(), 0);
        QVERIFY(first->view().CmdPagN->isHidden());
        QVERIFY(!first->session().busy());
        QCOMPARE(second->view().Risposta->toPlainText(), QString("house, home"));
        QVERIFY(second.prompts.messages.isEmpty());
    }
};

QTEST_MAIN(ExchangeFailuresTest)
#include "exchange_failures_test.moc"
