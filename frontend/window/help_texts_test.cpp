// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's messages, in the language current at the click, and their exact words.
#include "form2.h"
#include "help_texts.h"
#include "window_test_support.h"

#include <QAction>
#include <QCryptographicHash>
#include <QHash>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
using Text = texts::HelpMessage (*)(bool italian);
const QHash<QString, Text> byEntry = {
    {"mInstru", texts::instructions}, {"mTips", texts::tips}, {"mAbout", texts::about}};

QByteArray fingerprint(const QString& text) {
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
}
} // namespace

class HelpTextsTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void message_data();
    void message();
    void exactWords_data();
    void exactWords();
};

void HelpTextsTest::message_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("languages"); // clicks on the language buttons before, in order
    QTest::addColumn<bool>("italian");
    QTest::newRow("Instructions, options never opened") << "mInstru"
                                                        << "" << false;
    QTest::newRow("Tips, options never opened") << "mTips"
                                                << "" << false;
    QTest::newRow("About, options never opened") << "mAbout"
                                                 << "" << false;
    QTest::newRow("Instructions, Italian") << "mInstru"
                                           << "I" << true;
    QTest::newRow("Tips, Italian") << "mTips"
                                   << "I" << true;
    QTest::newRow("About, Italian") << "mAbout"
                                    << "I" << true;
    QTest::newRow("Instructions, English again") << "mInstru"
                                                 << "IE" << false;
    QTest::newRow("Tips, English again") << "mTips"
                                         << "IE" << false;
}

void HelpTextsTest::message() {
    QFETCH(QString, entry);
    QFETCH(QString, languages);
    QFETCH(bool, italian);
    Form1& window = mainWindow();
    FakePrompts& prompts = prompts_;
    if (!languages.isEmpty()) {
        Form2& options = Form2::instance();
        options.show(); // the messages follow the choice while the window is open
        for (QChar c : languages)
            (c == 'I' ? options.LinguaIta : options.LinguaIng)->click();
    }
    window.findChild<QAction*>(entry)->trigger();
    QCOMPARE(prompts.messages.size(), 1);
    const texts::HelpMessage shown = byEntry.value(entry)(italian);
    QCOMPARE(prompts.messages[0].title, shown.title);
    QCOMPARE(prompts.messages[0].text, shown.text);
    QCOMPARE(prompts.messages[0].icon, UserPrompts::Icon::None);
    QCOMPARE(prompts.endCalls, 0);
}

// The one guard of the texts' exact words: a changed word changes its fingerprint.
void HelpTextsTest::exactWords_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("italian");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Instructions") << "mInstru" << false << "     INSTRUCTIONS"
                                  << QByteArray("5edf6350c8655be1");
    QTest::newRow("Tips") << "mTips" << false << "     TIPS" << QByteArray("d9caeb2d33e82461");
    QTest::newRow("About") << "mAbout" << false << "      Vocabrix V.2.0"
                           << QByteArray("3325713e130081b5");
    QTest::newRow("Istruzioni") << "mInstru" << true << "     ISTRUZIONI"
                                << QByteArray("ec51dd1cdeb1e2b6");
    QTest::newRow("Suggerimenti") << "mTips" << true << "     SUGGERIMENTI"
                                  << QByteArray("ce351bfe8e4a8f01");
    QTest::newRow("Informazioni") << "mAbout" << true << "      Vocabrix V.2.0"
                                  << QByteArray("8aca2aea3e9b9f64");
}

void HelpTextsTest::exactWords() {
    QFETCH(QString, entry);
    QFETCH(bool, italian);
    QFETCH(QString, title);
    QFETCH(QByteArray, text);
    const texts::HelpMessage message = byEntry.value(entry)(italian);
    QCOMPARE(message.title, title);
    QVERIFY2(fingerprint(message.text) == text, qPrintable(message.text));
}

QTEST_MAIN(HelpTextsTest)
#include "help_texts_test.moc"
