// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_place.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Kind = ExchangeProblem::Kind;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(ExchangeAccess)

namespace {

int modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

bool writeFile(const QString& path, const QByteArray& bytes, int mode) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    file.close();
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

} // namespace

class ExchangePlaceTest : public QObject {
    Q_OBJECT
private slots:
    void place_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<ExchangeAccess>("access");
        QTest::addColumn<Kind>("problem");
        const auto write = ExchangeAccess::Write;
        const auto read = ExchangeAccess::Read;
        QTest::newRow("nothing there yet: created") << "missing" << write << Kind::None;
        QTest::newRow("nothing there yet: nothing to read") << "missing" << read << Kind::System;
        QTest::newRow("folder open to others: tightened") << "folder 0777" << write << Kind::None;
        QTest::newRow("file of an older version: tightened") << "file 0644" << write << Kind::None;
        QTest::newRow("file of an older version: read") << "file 0644" << read << Kind::None;
        for (const auto access : {write, read}) {
            const QString how = access == write ? ", writing" : ", reading";
            QTest::newRow(qPrintable("folder is a link" + how))
                << "folder link" << access << Kind::Link;
            QTest::newRow(qPrintable("file is a link" + how))
                << "file link" << access << Kind::Link;
            QTest::newRow(qPrintable("folder is a file" + how))
                << "folder file" << access << Kind::NotFolder;
            QTest::newRow(qPrintable("file is a folder" + how))
                << "file folder" << access << Kind::NotFile;
            QTest::newRow(qPrintable("file is a pipe" + how))
                << "file pipe" << access << Kind::NotFile;
            QTest::newRow(qPrintable("folder of another user" + how))
                << "folder owner" << access << Kind::OtherOwner;
            QTest::newRow(qPrintable("file of another user" + how))
                << "file owner" << access << Kind::OtherOwner;
        }
    }
    void place() {
        QFETCH(QString, setup);
        QFETCH(ExchangeAccess, access);
        QFETCH(Kind, problem);
        if (setup.endsWith("owner") && ::geteuid() != 0) QSKIP("giving a file away needs root");
        QTemporaryDir base;
        const QString folder = base.filePath("cache/vocabrix");
        const QString file = folder + "/zzz.log";
        const QString target = base.filePath("target");
        QVERIFY(QDir().mkpath(target + "-folder"));
        QVERIFY(writeFile(target, "keep", 0644));
        const QByteArray folderName = QFile::encodeName(folder);
        const QByteArray fileName = QFile::encodeName(file);
        if (setup != "missing") QVERIFY(QDir().mkpath(base.filePath("cache")));
        if (setup != "missing" && !setup.startsWith("folder "))
            QVERIFY(::mkdir(folderName.constData(), 0700) == 0);
        if (setup == "folder 0777" || setup == "folder owner")
            QVERIFY(::mkdir(folderName.constData(), 0777) == 0 &&
                    ::chmod(folderName.constData(), 0777) == 0);
        if (setup == "folder owner") QVERIFY(::chown(folderName.constData(), 65534, 65534) == 0);
        if (setup == "folder link")
            QVERIFY(::symlink(QFile::encodeName(target + "-folder").constData(),
                              folderName.constData()) == 0);
        if (setup == "folder file") QVERIFY(writeFile(folder, "", 0600));
        if (setup == "file 0644") QVERIFY(writeFile(file, "old", 0644));
        if (setup == "file link")
            QVERIFY(::symlink(QFile::encodeName(target).constData(), fileName.constData()) == 0);
        if (setup == "file folder") QVERIFY(::mkdir(fileName.constData(), 0700) == 0);
        if (setup == "file pipe") QVERIFY(::mkfifo(fileName.constData(), 0600) == 0);
        if (setup == "file owner") {
            QVERIFY(writeFile(file, "theirs", 0600));
            QVERIFY(::chown(fileName.constData(), 65534, 65534) == 0);
        }

        ExchangeProblem found;
        if (access == ExchangeAccess::Write) found = makePrivateFolder(folder);
        int fd = -1;
        if (found.ok()) fd = openExchangeFile(file, access, &found);
        QCOMPARE(found.kind, problem);
        QCOMPARE(fd >= 0, problem == Kind::None);
        if (fd >= 0) ::close(fd);
        QCOMPARE(found.describe().isEmpty(), found.ok());
        if (!found.ok()) QVERIFY(found.describe().contains(found.path));

        // Nothing is written through a link, and only the user's own places are changed.
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("keep"));
        QCOMPARE(modeOf(target), 0644);
        if (setup == "folder owner") QCOMPARE(modeOf(folder), 0777);
        if (setup == "file owner") QCOMPARE(QFileInfo(file).size(), 6);
        if (problem == Kind::None && access == ExchangeAccess::Write) {
            QCOMPARE(modeOf(folder), 0700);
            QCOMPARE(modeOf(file), 0600);
            QCOMPARE(QFileInfo(file).size(), 0);
        }
        if (setup == "missing" && access == ExchangeAccess::Write)
            QCOMPARE(modeOf(base.filePath("cache")), 0700); // a missing parent too
        if (setup == "file 0644" && access == ExchangeAccess::Read) QCOMPARE(modeOf(file), 0644);
    }
};

QTEST_GUILESS_MAIN(ExchangePlaceTest)
#include "exchange_place_test.moc"
