// SPDX-License-Identifier: GPL-3.0-or-later
#include "scanner_binding.h"

#include <QTest>

Q_DECLARE_METATYPE(ScannerBinding::Problem)

class ScannerBindingTest : public QObject {
    Q_OBJECT
private slots:
    void problems_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<ScannerBinding::Problem>("problem");
        QTest::newRow("no such library") << "libvocabrix-missing.so"
                                         << "MYFUNC" << ScannerBinding::Problem::LibraryMissing;
        // A library that loads but lacks the entry point.
        QTest::newRow("no entry point") << "libz.so.1"
                                        << "MYFUNC" << ScannerBinding::Problem::EntryMissing;
        QTest::newRow("found") << "libz.so.1"
                               << "zlibVersion" << ScannerBinding::Problem::None;
    }
    void problems() {
        QFETCH(QString, library);
        QFETCH(QString, entry);
        QFETCH(ScannerBinding::Problem, problem);
        ScannerBinding binding(library, entry);
        QCOMPARE(binding.load(), problem);
        QCOMPARE(binding.loaded(), problem == ScannerBinding::Problem::None);
        QCOMPARE(binding.detail().isEmpty(), problem == ScannerBinding::Problem::None);
        // A second attempt gives the same answer and keeps the binding.
        QCOMPARE(binding.load(), problem);
    }
};

QTEST_GUILESS_MAIN(ScannerBindingTest)
#include "scanner_binding_test.moc"
