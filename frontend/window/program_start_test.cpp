// SPDX-License-Identifier: GPL-3.0-or-later
// The program started with a dictionary, and a word, on its command line: through the same start
// as the program's, the window as File > "Open dictionary" and a typed word with Enter leave it.
#include "command_line.h"
#include "fake_prompts.h"
#include "form2.h"
#include "program_start.h"
#include "search_test_support.h"
#include "search_widgets.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace search_test;

namespace {

template <typename T = QWidget> T* named(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

// Every named control and menu entry: enabled, hidden, and what it shows.
QStringList stateOf(QWidget& window) {
    QStringList state;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue;
        QString shown = w->property("text").toString();
        if (auto* text = qobject_cast<const QPlainTextEdit*>(w)) shown = text->toPlainText();
        if (auto* list = qobject_cast<const QAbstractItemView*>(w)) shown = items(list).join(u'|');
        state << QStringLiteral("%1 %2 %3 %4")
                     .arg(w->objectName())
                     .arg(w->isEnabled())
                     .arg(w->isHidden())
                     .arg(shown);
    }
    for (const QAction* a : window.findChildren<QAction*>())
        state << QStringLiteral("%1 %2 %3").arg(a->objectName()).arg(a->isEnabled()).arg(a->text());
    return state;
}

} // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT
    QTemporaryDir cache_;
    QString dict_;

private slots:
    void initTestCase() {
        QVERIFY(cache_.isValid());
        useTemporaryCache(cache_);
        dict_ = writeDictionary(cache_, "it.txt", italianEntries());
    }
    void cleanup() { Form2::discardInstance(); }

    void dictionaryAndWord() {
        FakePrompts user;
        ProgramStart program(user);
        program.start(parseCommandLine({"vocabrix", dict_, "casa"}));
        QWidget& w = program.window();
        QVERIFY(user.dialogsShown.isEmpty());
        QVERIFY(user.messages.isEmpty());
        // The searching state, as after the menu's choice.
        QVERIFY(!named<QAction>(w, "mOpen")->isEnabled());
        QVERIFY(named<QAction>(w, "mChange")->isEnabled());
        QCOMPARE(named<QLabel>(w, "LabIng")->text(), QString("QUERY (QW) using: it"));
        QVERIFY(named(w, "Sbianca")->isVisibleTo(&w));
        auto* query = named<QLineEdit>(w, "Parola");
        QCOMPARE(w.focusWidget(), query);
        // The word, searched as typed and followed by Enter.
        QCOMPARE(query->text(), QString("CASA"));
        QVERIFY(!isQueryRed(query));
        QCOMPARE(named<QPlainTextEdit>(w, "Risposta")->toPlainText(), QString("house, home"));
        auto* neighbours = named<QAbstractItemView>(w, "ListZ");
        QVERIFY(neighbours->isEnabled());
        QCOMPARE(neighbours->currentIndex().data().toString(), QString("CASA"));
        QVERIFY(items(neighbours).contains("CASALE"));
        QCOMPARE(items(named<QListWidget>(w, "Storia")), QStringList{"CASA"});
    }

    void missingDictionary() {
        FakePrompts user;
        ProgramStart program(user);
        const QString missing = QDir(cache_.path()).filePath("nowhere/missing.txt");
        program.start(parseCommandLine({"vocabrix", missing, "casa"}));
        QCOMPARE(user.messages.size(), 1);
        QVERIFY2(user.messages.first().text.startsWith(missing + " "),
                 qPrintable(user.messages.first().text));
        QVERIFY(user.dialogsShown.isEmpty());
        // Nothing else happened: the window is as a program started without arguments has it.
        FakePrompts otherUser;
        ProgramStart plain(otherUser);
        plain.start(parseCommandLine({"vocabrix"}));
        QCOMPARE(stateOf(program.window()), stateOf(plain.window()));
        QVERIFY(otherUser.messages.isEmpty());
    }
};

QTEST_MAIN(ProgramStartTest)
#include "program_start_test.moc"
