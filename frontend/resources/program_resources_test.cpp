// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures keep their size in the window on scaled screens and are drawn from their sharp
// twins.

#include "program_resources.h"

#include <QTest>

class ProgramResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { loadProgramResources(); }

    void picturesFollowThePixelRatio_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("pixels"); // width in device pixels
        QTest::newRow("pin lying, 1") << pinLyingPath() << 1.0 << 34;
        QTest::newRow("pin lying, 2") << pinLyingPath() << 2.0 << 68;
        QTest::newRow("pin standing, 1.5") << pinStandingPath() << 1.5 << 51;
        QTest::newRow("pin standing, 2") << pinStandingPath() << 2.0 << 68;
        QTest::newRow("book, 1.5") << programIconPath() << 1.5 << 48;
    }
    void picturesFollowThePixelRatio() {
        QFETCH(QString, path);
        QFETCH(qreal, ratio);
        QFETCH(int, pixels);
        const QPixmap picture = programPicture(path, ratio);
        QCOMPARE(picture.width(), pixels);
        QCOMPARE(picture.height(), pixels);
        QCOMPARE(picture.deviceIndependentSize(), QPixmap(path).deviceIndependentSize());
    }

    // A window manager at scale 1.5 or 2 asks for 48 or 64 pixels; a 32 pixel icon is blurred.
    void windowIconHasLargeSizes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("32") << 32;
        QTest::newRow("48") << 48;
        QTest::newRow("64") << 64;
    }
    void windowIconHasLargeSizes() {
        QFETCH(int, size);
        QCOMPARE(programIcon().pixmap(QSize(size, size)).size(), QSize(size, size));
    }
};

QTEST_MAIN(ProgramResourcesTest)
#include "program_resources_test.moc"
