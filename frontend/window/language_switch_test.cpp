// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the interface language re-captions both windows; texts built later follow it.
#include "bilingual_texts.h"
#include "form1.h"
#include "form2.h"
#include "option_changes.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// A target "X/name" is the accessible name of X.
QString captionOf(Form1& m, Form2& o, const QString& target) {
    if (target.endsWith("/name")) {
        const QString control = target.chopped(5);
        auto* w = m.findChild<QWidget*>(control);
        if (!w) w = o.findChild<QWidget*>(control);
        return w ? w->accessibleName() : QStringLiteral("<no such target>");
    }
    if (target == "Form2") return o.windowTitle();
    if (target == "Form1") return m.windowTitle();
    if (auto* menu = m.findChild<QMenu*>(target)) return menu->title();
    if (auto* action = m.findChild<QAction*>(target)) return action->text();
    if (auto* w = m.findChild<QWidget*>(target)) return w->property("text").toString();
    if (auto* w = o.findChild<QWidget*>(target)) return w->property("text").toString();
    return QStringLiteral("<no such target>");
}
} // namespace

class LanguageSwitchTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void init();

    void captions_data();
    void captions();
    void queryCaption_data();
    void queryCaption();
    void neighboursCaptionIsReset_data();
    void neighboursCaptionIsReset();
    void keepBoxLosesCounts();
    void statesAreKept();
    void builtTexts_data();
    void builtTexts();

private:
    void choose(bool italian);

    Form1* main_ = nullptr;
    Form2* options_ = nullptr;
};

void LanguageSwitchTest::init() {
    main_ = &mainWindow();
    options_ = &Form2::instance();
    options_->show();
    QVERIFY(QTest::qWaitForWindowExposed(options_));
}

// Clicks the language button, as the user does.
void LanguageSwitchTest::choose(bool italian) {
    QRadioButton* button = italian ? options_->LinguaIta : options_->LinguaIng;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    QCOMPARE(button->isChecked(), true);
}

void LanguageSwitchTest::captions_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("italian");
    auto row = [](const char* target, const QString& en, const QString& it) {
        QTest::newRow(target) << QString::fromLatin1(target) << en << it;
    };
    row("Form2", "  Vocabrix  - Options", "  Vocabrix  - Opzioni");
    row("Label1",
        "              % number of left letters to test for matching, in order to put an Item in "
        "the Neighbours List (NL)",
        "              % numero di lettere iniziali identiche, per l'inclusione nella Lista "
        "'Stessa Radice' (NL)");
    row("Label2", "Program Language Interface", "Lingua del Programma");
    row("LinguaIng", "English", "Inglese");
    row("LinguaIta", "Italian", "Italiano");
    row("useNL", "Fill the Neighbours List (NL)", "Carica 'Stessa Radice' (NL)");
    row("useWL", "Fill the Whereinto List (WL)", "Carica 'Che Contengono' (WL)");
    row("CmdDefaults", "Defaults", "Ripristina");
    row("ComExit", "OK", "OK");
    row("Form1", "         ***          Vocabrix V.2.0         ***         by Quembril",
        "         ***          Vocabrix V.2.0         ***         di Quembril");
    row("mFile", "File", "File");
    row("mOpen", "Open dictionary", "Apri un dizionario");
    row("mChange", "Change dictionary", "Cambia dizionario");
    row("mExit", "Exit", "Esci");
    row("mTools", "Tools", "Strumenti");
    row("mOpzioni", "Options", "Opzioni");
    row("mHelp", "Help", "Aiuto");
    row("mInstru", "Instructions", "Istruzioni");
    row("mTips", "Tips", "Suggerimenti");
    row("mAbout", "About", "Informazioni");
    row("CmdVai", "FIND", "CERCA");
    row("CmdClear", "CLEAR", "PULISCI");
    row("LabIng", "QUERY (QW)", "DOMANDA (QW)");
    row("LabIta", "TRANSLATION (PT)", "RISPOSTA (PT)");
    row("LabStoria", "QUERIES (QHL)", "STORIA (QHL)");
    row("LabVediAnche", "NEIGHBOURS (NL) - 50%", "STESSA RADICE (NL)");
    row("LabAllInterno", "WHEREINTO (WL)", "CHE CONTENGONO (WL)");
    row("Sbianca", "Keep current NL/WL", "Mantieni queste NL/WL");
    row("CmdEsci", "EXIT", "FINE");
    row("CmdPagN", ">", ">");
    row("CmdPagP", "<", "<");
    row("CmdForw", ">", ">");
    row("CmdBack", "<", "<");
    row("nomepurobreve", "-", "-");
    row("CmdBack/name", "Previous query", "Domanda precedente");
    row("CmdPagN/name", "Next page", "Pagina successiva");
    row("Parola/name", "Query word (QW)", "Domanda (QW)");
    row("NEsca/name", "Root percentage", "Percentuale della radice");
}

void LanguageSwitchTest::captions() {
    QFETCH(QString, target);
    QFETCH(QString, english);
    QFETCH(QString, italian);
    QCOMPARE(captionOf(*main_, *options_, target), english);
    choose(true);
    QCOMPARE(captionOf(*main_, *options_, target), italian);
    choose(false);
    QCOMPARE(captionOf(*main_, *options_, target), english);
}

void LanguageSwitchTest::queryCaption_data() {
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("italian");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no dictionary, Italian") << "-" << true << "DOMANDA (QW)";
    QTest::newRow("no dictionary, English") << "-" << false << "QUERY (QW)";
    QTest::newRow("dictionary, Italian") << "ita_eng" << true << "DOMANDA (QW) usando: ita_eng";
    QTest::newRow("dictionary, English") << "ita_eng" << false << "QUERY (QW) using: ita_eng";
    QTest::newRow("name with dashes") << "-x-" << false << "QUERY (QW) using: -x-";
}

void LanguageSwitchTest::queryCaption() {
    QFETCH(QString, shortName);
    QFETCH(bool, italian);
    QFETCH(QString, caption);
    ui().nomepurobreve->setText(shortName);
    if (!italian) choose(true); // a switch to English needs Italian first
    choose(italian);
    QCOMPARE(ui().LabIng->text(), caption);
}

void LanguageSwitchTest::neighboursCaptionIsReset_data() {
    QTest::addColumn<bool>("italian");
    QTest::addColumn<bool>("alreadySelected"); // the click lands on the selected button
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << false << false << "NEIGHBOURS (NL) - 50%";
    QTest::newRow("Italian") << true << false << "STESSA RADICE (NL)";
    QTest::newRow("English again") << false << true << "NEIGHBOURS (NL) - 50%";
}

void LanguageSwitchTest::neighboursCaptionIsReset() {
    QFETCH(bool, italian);
    QFETCH(bool, alreadySelected);
    QFETCH(QString, caption);
    options_->NEsca->setCurrentIndex(1);
    emit options_->NEsca->activated(1); // "75" picked
    QCOMPARE(ui().LabVediAnche->text(), QStringLiteral("NEIGHBOURS (NL) - 75%"));
    // A search with a root too long for the caption leaves it and its tool tip so.
    ui().LabVediAnche->setText(texts::neighboursCaption(italian, QString(80, 'A'), false));
    ui().LabVediAnche->setToolTip(QString(80, 'A'));
    ui().Sbianca->setText(texts::keepListsCaption(italian, 12, 3));
    if (!italian && !alreadySelected) choose(true);
    const QSignalSpy switches(&OptionChanges::instance(), &OptionChanges::languageChosen);
    choose(italian);
    QCOMPARE(switches.count(), 1); // the click's reaction ran once
    QCOMPARE(ui().LabVediAnche->text(), caption);
    QCOMPARE(ui().LabVediAnche->toolTip(), QString());
    QVERIFY(!ui().Sbianca->text().contains(QStringLiteral("12")));
    QCOMPARE(options_->NEsca->currentText(), QStringLiteral("75")); // the setting stays
}

void LanguageSwitchTest::keepBoxLosesCounts() {
    ui().Sbianca->setText(texts::keepListsCaption(false, 12, 3));
    choose(true);
    QCOMPARE(ui().Sbianca->text(), QStringLiteral("Mantieni queste NL/WL"));
    ui().Sbianca->setText(texts::keepListsCaption(true, 12, 3));
    choose(false);
    QCOMPARE(ui().Sbianca->text(), QStringLiteral("Keep current NL/WL"));
}

void LanguageSwitchTest::statesAreKept() {
    options_->useNL->setChecked(false);
    ui().Sbianca->setChecked(true);
    ui().CmdVai->setEnabled(true);
    choose(true);
    QVERIFY(!ui().LabVediAnche->isEnabled());
    QVERIFY(!options_->NEsca->isEnabled());
    QVERIFY(ui().Sbianca->isChecked());
    QVERIFY(ui().CmdVai->isEnabled());
    QVERIFY(!ui().Parola->isEnabled());
    QVERIFY(!options_->useNL->isChecked());
}

void LanguageSwitchTest::builtTexts_data() {
    QTest::addColumn<bool>("italian");
    QTest::addColumn<QString>("keep");
    QTest::addColumn<QString>("neighbours");
    QTest::addColumn<QString>("all");
    QTest::newRow("English") << false << "Keep current NL (32000) and WL (0)"
                             << "NEIGHBOURS (NL) - CA"
                             << "NEIGHBOURS (NL) - all";
    QTest::newRow("Italian") << true << "Mantieni queste NL (32000) e WL (0)"
                             << "STESSA RADICE - CA"
                             << "STESSA RADICE - tutti";
}

void LanguageSwitchTest::builtTexts() {
    QFETCH(bool, italian);
    QFETCH(QString, keep);
    QFETCH(QString, neighbours);
    QFETCH(QString, all);
    QCOMPARE(texts::keepListsCaption(italian, 32000, 0), keep);
    QCOMPARE(texts::neighboursCaption(italian, QStringLiteral("CA"), false), neighbours);
    QCOMPARE(texts::neighboursCaption(italian, QStringLiteral("*"), true), all);
}

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
