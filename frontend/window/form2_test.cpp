// SPDX-License-Identifier: GPL-3.0-or-later
// The options window: its start state, its reactions and the settings read from it.
#include "form1.h"
#include "form2.h"
#include "settings.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class Form2Test : public WindowTestCase {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void window();
    void tabOrder();
    void readingASettingCreatesItHidden();
    void settingsFollowTheControls();
    void listsOnAndOff_data();
    void listsOnAndOff();
    void pickingAPercentage_data();
    void pickingAPercentage();
    void typingAPercentage_data();
    void typingAPercentage();
    void defaults_data();
    void defaults();
    void okAndCloseOnlyHide_data();
    void okAndCloseOnlyHide();
};

void Form2Test::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect"); // twips / 15
    QTest::addColumn<bool>("checked");
    QTest::addColumn<double>("points");
    auto row = [](const char* name, const char* kind, const QString& text, QRect rect, bool checked,
                  double points) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << text
                            << rect << checked << points;
    };
    row("LinguaIng", "QRadioButton", "English", {24, 208, 153, 17}, true, 9.75);
    row("LinguaIta", "QRadioButton", "Italian", {24, 189, 153, 17}, false, 9.75);
    row("useWL", "QCheckBox", "Fill the Whereinto List (WL)", {16, 120, 201, 25}, true, 9.75);
    row("useNL", "QCheckBox", "Fill the Neighbours List (NL)", {16, 16, 201, 25}, true, 9.75);
    row("CmdDefaults", "QPushButton", "Defaults", {8, 248, 65, 25}, false, 8.25);
    row("ComExit", "QPushButton", "OK", {152, 248, 65, 25}, false, 8.25);
    row("NEsca", "QComboBox", "50", {16, 47, 41, 21}, false, 8.25);
    row("Shape2", "QFrame", QString(), {8, 160, 217, 73}, false, 8.25);
    row("Label2", "QLabel", "Program Language Interface", {16, 168, 201, 17}, false, 9.75);
    row("Shape4", "QFrame", QString(), {8, 112, 217, 41}, false, 8.25);
    row("Shape1", "QFrame", QString(), {8, 8, 217, 97}, false, 8.25);
    row("Label1", "QLabel",
        "              % number of left letters to test for matching, in order to put an Item "
        "in the Neighbours List (NL)",
        {16, 48, 209, 57}, false, 9.75);
}

void Form2Test::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(bool, checked);
    QFETCH(double, points);
    Form2& options = Form2::instance();
    auto* w = options.findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    const QString caption = qobject_cast<QComboBox*>(w) ? qobject_cast<QComboBox*>(w)->currentText()
                                                        : w->property("text").toString();
    QCOMPARE(caption, text);
    QCOMPARE(w->geometry(), rect);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) QCOMPARE(button->isChecked(), checked);
    QCOMPARE(w->font().pointSizeF(), points);
    QVERIFY(!w->font().bold());
    QVERIFY(w->isEnabled());
    QVERIFY(!w->isHidden());
}

void Form2Test::window() {
    Form2& options = Form2::instance();
    QCOMPARE(&Form2::instance(), &options); // one instance
    QCOMPARE(options.windowTitle(), QStringLiteral("  Vocabrix  - Options"));
    QCOMPARE(options.size(), QSize(233, 284));
    QVERIFY(!options.windowIcon().isNull());
    QVERIFY(options.isWindow());
    QCOMPARE(options.parentWidget(), nullptr);
    QCOMPARE(options.windowModality(), Qt::NonModal);
    QVERIFY(options.isHidden());

    QCOMPARE(options.NEsca->count(), 4);
    const QStringList items = {"100", "75", "50", "25"};
    for (int i = 0; i < items.size(); ++i)
        QCOMPARE(options.NEsca->itemText(i), items[i]);
    QVERIFY(options.NEsca->isEditable());
    // The percentage box lies over Label1; the frames lie under the controls they frame.
    const QObjectList stack = options.children();
    QVERIFY(stack.indexOf(options.NEsca) > stack.indexOf(options.Label1));
    QVERIFY(stack.indexOf(options.Shape1) < stack.indexOf(options.useNL));
}

void Form2Test::tabOrder() {
    Form2& o = Form2::instance();
    const QList<QWidget*> expected = {o.NEsca, o.ComExit,   o.CmdDefaults, o.useNL,
                                      o.useWL, o.LinguaIta, o.LinguaIng};
    QList<QWidget*> chain;
    QWidget* w = o.NEsca;
    do {
        if (expected.contains(w)) chain.append(w);
        w = w->nextInFocusChain();
    } while (w != o.NEsca);
    QCOMPARE(chain, expected);
    QCOMPARE(o.Label1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(o.Label2->focusPolicy(), Qt::NoFocus);
}

void Form2Test::readingASettingCreatesItHidden() {
    QVERIFY(!Form2::exists());
    QVERIFY(settings::nlOn());
    QVERIFY(Form2::exists());
    QVERIFY(Form2::instance().isHidden());
    Form2::discardInstance();
    QVERIFY(!settings::italian());
    QVERIFY(Form2::instance().isHidden());
}

void Form2Test::settingsFollowTheControls() {
    Form2& o = Form2::instance();
    QVERIFY(settings::nlOn());
    QVERIFY(settings::wlOn());
    QCOMPARE(settings::rootPercentText(), QStringLiteral("50"));
    QVERIFY(!settings::italian());

    o.useNL->setChecked(false);
    o.useWL->setChecked(false);
    o.NEsca->setCurrentText(QStringLiteral("abc"));
    o.LinguaIta->setChecked(true);
    QVERIFY(!settings::nlOn());
    QVERIFY(!settings::wlOn());
    QCOMPARE(settings::rootPercentText(), QStringLiteral("abc"));
    QVERIFY(settings::italian());
    QVERIFY(!o.LinguaIng->isChecked()); // one exclusive pair
}

void Form2Test::listsOnAndOff_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("percentEnabled");
    QTest::addColumn<bool>("nlCaptionEnabled");
    QTest::addColumn<bool>("wlCaptionEnabled");
    QTest::newRow("NL off") << "useNL" << false << false << false << true;
    QTest::newRow("NL on again") << "useNL" << true << true << true << true;
    QTest::newRow("WL off") << "useWL" << false << true << true << false;
    QTest::newRow("WL on again") << "useWL" << true << true << true << true;
}

void Form2Test::listsOnAndOff() {
    QFETCH(QString, box);
    QFETCH(bool, on);
    QFETCH(bool, percentEnabled);
    QFETCH(bool, nlCaptionEnabled);
    QFETCH(bool, wlCaptionEnabled);
    mainWindow();
    Form2& o = Form2::instance();
    auto* check = o.findChild<QCheckBox*>(box);
    if (on) check->setChecked(false); // "on again" starts from off
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(check->isChecked(), on);
    QCOMPARE(o.NEsca->isEnabled(), percentEnabled);
    QCOMPARE(ui().LabVediAnche->isEnabled(), nlCaptionEnabled);
    QCOMPARE(ui().LabAllInterno->isEnabled(), wlCaptionEnabled);
}

void Form2Test::pickingAPercentage_data() {
    QTest::addColumn<bool>("italian");
    QTest::addColumn<int>("upPresses");
    QTest::addColumn<QString>("caption");
    QTest::newRow("75") << false << 1 << "NEIGHBOURS (NL) - 75%";
    QTest::newRow("100") << false << 2 << "NEIGHBOURS (NL) - 100%";
    QTest::newRow("75, Italian interface") << true << 1 << "NEIGHBOURS (NL) - 75%";
}

void Form2Test::pickingAPercentage() {
    QFETCH(bool, italian);
    QFETCH(int, upPresses);
    QFETCH(QString, caption);
    mainWindow();
    Form2& o = Form2::instance();
    o.LinguaIta->setChecked(italian);
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    // Stepping through the list picks its items one by one.
    ui().LabVediAnche->setToolTip(QStringLiteral("CASA")); // a long root's, from a search
    for (int i = 0; i < upPresses; ++i)
        QTest::keyClick(o.NEsca, Qt::Key_Up);
    QCOMPARE(ui().LabVediAnche->text(), caption);
    QCOMPARE(ui().LabVediAnche->toolTip(), QString());
}

void Form2Test::typingAPercentage_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enter");
    QTest::newRow("75 typed") << "75" << false;
    QTest::newRow("75 typed and Enter") << "75" << true;
    QTest::newRow("letters typed") << "abc" << false;
    QTest::newRow("2, not completed to 25") << "2" << false;
}

void Form2Test::typingAPercentage() {
    QFETCH(QString, keys);
    QFETCH(bool, enter);
    mainWindow();
    Form2& o = Form2::instance();
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    o.NEsca->lineEdit()->selectAll();
    QTest::keyClicks(o.NEsca, keys);
    if (enter) QTest::keyClick(o.NEsca, Qt::Key_Return);
    // The setting changes; the caption does not, and the typed text is kept as typed.
    QCOMPARE(settings::rootPercentText(), keys);
    QCOMPARE(ui().LabVediAnche->text(), QStringLiteral("NEIGHBOURS (NL) - 50%"));
    QCOMPARE(o.NEsca->count(), 4);
}

void Form2Test::defaults_data() {
    QTest::addColumn<bool>("italian");
    QTest::newRow("English") << false;
    QTest::newRow("Italian") << true;
}

void Form2Test::defaults() {
    QFETCH(bool, italian);
    mainWindow();
    Form2& o = Form2::instance();
    o.LinguaIta->setChecked(italian);
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    o.useNL->setChecked(false);
    o.useWL->setChecked(false);
    o.NEsca->setCurrentIndex(3);
    emit o.NEsca->activated(3); // "25" picked from the list
    QCOMPARE(ui().LabVediAnche->text(), QStringLiteral("NEIGHBOURS (NL) - 25%"));

    QTest::mouseClick(o.CmdDefaults, Qt::LeftButton);
    QVERIFY(o.useNL->isChecked());
    QVERIFY(o.useWL->isChecked());
    QCOMPARE(o.NEsca->currentText(), QStringLiteral("50"));
    QVERIFY(o.NEsca->isEnabled());
    QVERIFY(ui().LabVediAnche->isEnabled());
    QVERIFY(ui().LabAllInterno->isEnabled());
    // Setting the text from code is no pick: the caption keeps the 25% text.
    QCOMPARE(ui().LabVediAnche->text(), QStringLiteral("NEIGHBOURS (NL) - 25%"));
    QCOMPARE(o.LinguaIta->isChecked(), italian);
    QCOMPARE(settings::italian(), italian);
}

void Form2Test::okAndCloseOnlyHide_data() {
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("OK") << false;
    QTest::newRow("title-bar close") << true;
}

void Form2Test::okAndCloseOnlyHide() {
    QFETCH(bool, titleBar);
    Form2& o = Form2::instance();
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    o.useWL->setChecked(false);
    o.NEsca->setCurrentText(QStringLiteral("60"));
    o.LinguaIta->setChecked(true);
    if (titleBar)
        o.close();
    else
        QTest::mouseClick(o.ComExit, Qt::LeftButton);
    QVERIFY(o.isHidden());
    QCOMPARE(&Form2::instance(), &o);
    o.show();
    QVERIFY(!o.useWL->isChecked());
    QCOMPARE(o.NEsca->currentText(), QStringLiteral("60"));
    QVERIFY(o.LinguaIta->isChecked());
    QCOMPARE(o.windowTitle(), QStringLiteral("  Vocabrix  - Opzioni"));
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
