// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_session.h"
#include "search_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace search_test;

namespace {

// The window's searching state after a choice.
void checkSearchingState(Window& w, bool nl) {
    QVERIFY(!w->view().mOpen->isEnabled());
    QVERIFY(w->view().mChange->isEnabled());
    for (QWidget* control :
         {static_cast<QWidget*>(w->view().CmdVai), static_cast<QWidget*>(w->view().CmdClear),
          static_cast<QWidget*>(w->view().Parola), static_cast<QWidget*>(w->view().Risposta),
          static_cast<QWidget*>(w->view().Storia), static_cast<QWidget*>(w->view().ListY)})
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(w->view().ListZ->isEnabled(), nl);
    QVERIFY(!w->view().CmdBack->isHidden() && !w->view().CmdBack->isEnabled());
    QVERIFY(!w->view().CmdForw->isHidden() && !w->view().CmdForw->isEnabled());
    QVERIFY(!w->view().Sbianca->isHidden() && w->view().Sbianca->isEnabled() &&
            !w->view().Sbianca->isChecked());
    QVERIFY(!w->view().Puntina->isHidden() && w->view().PuntinaOK->isHidden());
    QCOMPARE(w.widget()->focusWidget(), w->view().Parola); // typing goes to the query box
}

} // namespace

class DictionaryChoiceTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QTemporaryDir dicts_;

private slots:
    void initTestCase() { useTemporaryCache(cache_); }
    void cleanup() { resetOptions(); }

    void shortNames_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("italian");
        QTest::addColumn<bool>("nl");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("keepCaption");
        const QString en0 = "Keep current NL (0) and WL (0)";
        QTest::newRow("plain") << "inglese_italiano.txt" << false << true << "inglese_italiano"
                               << "QUERY (QW) using: inglese_italiano" << en0;
        QTest::newRow("italian") << "inglese_italiano.txt" << true << true << "inglese_italiano"
                                 << "DOMANDA (QW) usando: inglese_italiano"
                                 << "Mantieni queste NL (0) e WL (0)";
        QTest::newRow("no .txt") << "lessico.dat" << false << true << "-"
                                 << "QUERY (QW)" << en0;
        QTest::newRow("NL off") << "it.txt" << false << false << "it"
                                << "QUERY (QW) using: it" << en0;
    }
    void shortNames() {
        QFETCH(QString, fileName);
        QFETCH(bool, italian);
        QFETCH(bool, nl);
        QFETCH(QString, shortName);
        QFETCH(QString, caption);
        QFETCH(QString, keepCaption);
        setItalian(italian);
        setLists(nl, true);
        const QString path = writeDictionary(dicts_, fileName, italianEntries());
        Window w;
        w.choose(path);
        QCOMPARE(w->DictPath, path);
        QCOMPARE(w->DictFileName, fileName);
        QCOMPARE(w->view().nomepurobreve->text(), shortName);
        QCOMPARE(w->view().LabIng->text(), caption);
        QCOMPARE(w->view().Sbianca->text(), keepCaption);
        checkSearchingState(w, nl);
    }

    void theDialog() {
        Window w;
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()), "/elsewhere");
        w.choose(writeDictionary(dicts_, "en.txt", italianEntries()));
        QCOMPARE(w.prompts.dialogsShown.size(), 2);
        const OpenDialogRequest& first = w.prompts.dialogsShown.at(0);
        QCOMPARE(first.title, QString("Seleziona un file qualsiasi di questa Cartella"));
        QCOMPARE(first.filters, (QStringList{"Dictionary files (*.txt)", "File *.txt (*.txt)"}));
        QCOMPARE(first.startFolder, QDir::currentPath());
        QCOMPARE(w.prompts.dialogsShown.at(1).startFolder, QString("/elsewhere"));
    }

    void cancelledFirstChoice() {
        Window w;
        w.choose(QString());
        QVERIFY(w->view().mOpen->isEnabled() && !w->view().mChange->isEnabled());
        QVERIFY(w->DictPath.isEmpty());
        QVERIFY(!w->view().Parola->isEnabled() && w->view().Sbianca->isHidden());
        w.choose(writeDictionary(dicts_, "it.txt", italianEntries()));
        checkSearchingState(w, true);
        if (QTest::currentTestFailed()) return;
        w.choose(writeDictionary(dicts_, "lessico.dat", italianEntries()));
        QCOMPARE(w->view().nomepurobreve->text(), QString("it")); // no ".txt": the short name stays
    }

    void changeEmptiesEverything_data() {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("another dictionary") << false;
        QTest::newRow("cancelled: the same one") << true;
    }
    void changeEmptiesEverything() {
        QFETCH(bool, cancelled);
        const QString first = writeDictionary(dicts_, "it.txt", italianEntries());
        // The second one is Latin-1: its encoding is decided afresh.
        const QString second =
            writeDictionary(dicts_, "latin.txt", italianEntries(), TextEncoding::Windows1252);
        Window w;
        w.choose(first);
        w.search("casa");
        w.search("perché");
        w->view().Sbianca->click();
        w.choose(cancelled ? QString() : second);
        QCOMPARE(w->DictPath, cancelled ? first : second);
        QCOMPARE(w->view().nomepurobreve->text(), cancelled ? "it" : "latin");
        QCOMPARE(w->view().Parola->text(), QString());
        QCOMPARE(w->view().Risposta->toPlainText(), QString());
        QCOMPARE(w->view().Storia->count() + w->view().ListZ->count() + w->view().ListY->count(),
                 0);
        QCOMPARE(w->view().Sbianca->text(), QString("Keep current NL (0) and WL (0)"));
        checkSearchingState(w, true);
        if (QTest::currentTestFailed()) return;
        w.search("perché");
        QCOMPARE(w->view().Risposta->toPlainText(), QString("why, because"));
        QCOMPARE(items(w->view().ListZ), QStringList{"PERCHÉ"});
    }

    void pathWithALineBreakIsRefused() {
        const QString good = writeDictionary(dicts_, "it.txt", italianEntries());
        Window w;
        w.choose(dicts_.filePath("bad\nname.txt"));
        QCOMPARE(w.prompts.messages.size(), 1);
        QVERIFY(w->view().mOpen->isEnabled());
        QVERIFY(w->DictPath.isEmpty());
        w.choose(good);
        w.choose(dicts_.filePath("bad\rname.txt"));
        QCOMPARE(w.prompts.messages.size(), 2);
        QCOMPARE(w->DictPath, good);
        checkSearchingState(w, true);
    }
};

QTEST_MAIN(DictionaryChoiceTest)
#include "dictionary_choice_test.moc"
