// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's messages, word for word, in the language current at the click.
#include "fake_prompts.h"
#include "form1.h"
#include "form2.h"

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString kInstructionsEnglish =
    QStringLiteral("1 - From File menu choose or change the Dictionary (*.txt)\r\n"
                   "2 - Fill Query Word (QW) textbox; press Enter key or click Find\r\n"
                   "    button to fire the search.\r\n"
                   "    Possible Translations (PT) textbox shows results, while QW\r\n"
                   "    changed to red means that none exists.\r\n"
                   "    Neighbours List (NL) shows all items having, at least, the %\r\n"
                   "    of initial QW letters set in the Options and Whereinto List (WL)\r\n"
                   "    all those including in any way the QW (see Options).\r\n"
                   "3 - To to fire new searches write into QW, or 2click any item from\r\n"
                   "    NL, or WL, or Queries History List (QHL).\r\n"
                   "4 - To maintain current NL and WL mark the apposite checkbox.");

const QString kInstructionsItalian =
    QStringLiteral("1 - Dal menu File, scegliere o cambiare il file Dizionario (*.txt)\r\n"
                   "2 - Scrivere nella casella Domanda (QW) e lanciare la ricerca premendo\r\n"
                   "    Invio o il bottone Cerca.\r\n"
                   "    La casella della Risposta (PT) mostra l'esito della ricerca; la Domanda\r\n"
                   "    QW cambia in rosso quando la ricerca non ha successo.\r\n"
                   "    La Lista NL mostra tutte le voci che hanno la Radice della Domanda;\r\n"
                   "    la Radice è determinata dalla % stabilita nelle Opzioni.\r\n"
                   "    La Lista WL, invece, mostra tutte le voci contenenti, in qualche\r\n"
                   "    modo, l'intera parola.\r\n"
                   "3 - Per eseguire altre ricerche: oltre che scrivere in QW, fare 2clic su\r\n"
                   "    qualunque voce presente nelle Liste NL, WL o nella Storia (QHL).\r\n"
                   "4 - Le Liste NL e WL si bloccano usando la casella in basso alla finestra.");

const QString kTipsEnglish =
    QStringLiteral("1 - Maintaining the current Lists allows you to easily explore, here\r\n"
                   "      and there, different items shown by a previous query. \r\n"
                   "2 - To maintain the current Lists (NL and WL) put a flag\r\n"
                   "      into the apposite checkbox at the form bottom.\r\n"
                   "3 - With huge Dictionaries, you may fasten your queries disabling\r\n"
                   "      NL and WL or maintaining their current contents. \r\n"
                   "4 - You can disable NL and/or WL from Tools, Options menu.\r\n"
                   "5 - Type a single * to obtain in the Neighbours List (NL) all\r\n"
                   "      the dictionary items. But, for huge Dictionaries, is suggested\r\n"
                   "      to try with a single alphabet letter at a time.\r\n"
                   "    ");

const QString kTipsItalian = QStringLiteral(
    "1 - Mantenere le Liste NL e WL esistenti consente di esplorare facilmente,\r\n"
    "      qua e là, più voci apparse con l'ultima richiesta. \r\n"
    "2 - Per mantenere le Liste NL e WL correnti, mettere una spunta\r\n"
    "      nella casella corrispondente, in basso alla finestra.\r\n"
    "3 - Con grossi Dizionari, si possono abbreviare i tempi di risposta\r\n"
    "      disabilitando le Liste NL e WL o mantenendone il contenuto esistente. \r\n"
    "4 - Le Liste NL e/o WL si possono disabilitare da menu Strumenti, Opzioni.\r\n"
    "5 - Digitare un * per ottenere nella Lista NL tutte le voci presenti nel\r\n"
    "      Dizionario. Per grossi Dizionari conviene però richiedere il pezzo\r\n"
    "      relativo a una singola lettera dell'alfabeto.\r\n"
    "    ");

const QString kAboutEnglish =
    QStringLiteral("Vocabrix V.2.0 - two-language dictionary look-up\r\n"
                   "\r\n"
                   "Looks words up in dictionaries kept as plain text files\r\n"
                   "and lists the neighbours and the words that contain them.\r\n"
                   "Nothing is saved between runs.\r\n"
                   "\r\n"
                   "The program comes with two sample dictionary files:\r\n"
                   "            'italiano_inglese.txt' and\r\n"
                   "            'inglese_italiano.txt'\r\n"
                   "made from FreeDict's Italian-English and English-Italian dictionaries,\r\n"
                   "published under the GNU GPL by FreeDict, which has no postal address.\r\n"
                   "These and many other dictionaries can be downloaded from:\r\n"
                   "            'https://freedict.org'");

const QString kAboutItalian =
    QStringLiteral("Vocabrix V.2.0 - consultazione di dizionari bilingui\r\n"
                   "\r\n"
                   "Cerca le parole in dizionari conservati come file di testo\r\n"
                   "ed elenca le voci vicine e quelle che le contengono.\r\n"
                   "Nulla viene salvato tra un avvio e l'altro.\r\n"
                   "\r\n"
                   "Il programma è fornito con due file dizionario di esempio:\r\n"
                   "            'italiano_inglese.txt' e\r\n"
                   "            'inglese_italiano.txt'\r\n"
                   "ricavati dai dizionari FreeDict Italiano-Inglese e Inglese-Italiano,\r\n"
                   "pubblicati sotto GNU GPL da FreeDict, che non ha indirizzo postale.\r\n"
                   "Questi e molti altri dizionari si possono scaricare da:\r\n"
                   "            'https://freedict.org'");
} // namespace

class HelpTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void message_data();
    void message();

private:
    QTemporaryDir cache_;
};

void HelpTextsTest::initTestCase() {
    QVERIFY(cache_.isValid());
    qputenv("XDG_CACHE_HOME", cache_.path().toLocal8Bit());
}

void HelpTextsTest::cleanup() {
    Form2::discardInstance();
}

void HelpTextsTest::message_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("languages"); // clicks on the language buttons before, in order
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("Instructions, options never opened")
        << "mInstru"
        << ""
        << "     INSTRUCTIONS" << kInstructionsEnglish;
    QTest::newRow("Tips, options never opened") << "mTips"
                                                << ""
                                                << "     TIPS" << kTipsEnglish;
    QTest::newRow("About, options never opened") << "mAbout"
                                                 << ""
                                                 << "      Vocabrix V.2.0" << kAboutEnglish;
    QTest::newRow("Instructions, Italian") << "mInstru"
                                           << "I"
                                           << "     ISTRUZIONI" << kInstructionsItalian;
    QTest::newRow("Tips, Italian") << "mTips"
                                   << "I"
                                   << "     SUGGERIMENTI" << kTipsItalian;
    QTest::newRow("About, Italian") << "mAbout"
                                    << "I"
                                    << "      Vocabrix V.2.0" << kAboutItalian;
    QTest::newRow("Instructions, English again") << "mInstru"
                                                 << "IE"
                                                 << "     INSTRUCTIONS" << kInstructionsEnglish;
    QTest::newRow("Tips, English again") << "mTips"
                                         << "IE"
                                         << "     TIPS" << kTipsEnglish;
}

void HelpTextsTest::message() {
    QFETCH(QString, entry);
    QFETCH(QString, languages);
    QFETCH(QString, title);
    QFETCH(QString, text);
    FakePrompts prompts;
    Form1 window(prompts);
    if (!languages.isEmpty()) {
        Form2& options = Form2::instance();
        options.show(); // the messages follow the choice while the window is open
        for (QChar c : languages)
            (c == 'I' ? options.LinguaIta : options.LinguaIng)->click();
    }
    window.findChild<QAction*>(entry)->trigger();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].title, title);
    QCOMPARE(prompts.messages[0].text, text);
    QCOMPARE(prompts.messages[0].icon, UserPrompts::Icon::None);
    QCOMPARE(prompts.endCalls, 0);
}

QTEST_MAIN(HelpTextsTest)
#include "help_texts_test.moc"
