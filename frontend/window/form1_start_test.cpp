// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the program starts: every control, the menus and the window itself.
#include "dictionary_search.h"
#include "form1.h"
#include "form2.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const char* const controlNames[] = {
    "CmdPagN",       "CmdPagP",   "ListY",         "Sbianca",   "Storia",  "CmdForw",
    "CmdBack",       "CmdClear",  "ListZ",         "Risposta",  "Parola",  "CmdVai",
    "CmdEsci",       "ListZZ",    "nomepurobreve", "PuntinaOK", "Puntina", "OmbraRisp",
    "LabAllInterno", "LabStoria", "LabVediAnche",  "LabIta",    "LabIng"};
const char* const menuNames[] = {"mFile",    "mOpen", "mChange", "mSep1", "mExit", "mTools",
                                 "mOpzioni", "mHelp", "mInstru", "mTips", "mSep4", "mAbout"};

// The controls by their objectName, the name the window knows them by.
QHash<QString, QWidget*> controlsByName(Form1& w) {
    QHash<QString, QWidget*> found;
    for (const char* name : controlNames)
        found.insert(name, w.findChild<QWidget*>(QString::fromLatin1(name)));
    return found;
}

QHash<QString, QObject*> menusByName(Form1& w) {
    QHash<QString, QObject*> found;
    for (const char* name : menuNames)
        found.insert(name, w.findChild<QObject*>(QString::fromLatin1(name)));
    return found;
}

QString caption(const QWidget* w) {
    if (auto* text = qobject_cast<const QPlainTextEdit*>(w)) return text->toPlainText();
    if (auto* list = qobject_cast<const QAbstractItemView*>(w))
        return list->model()->rowCount() == 0 ? QString() : QStringLiteral("<items>");
    return w->property("text").toString();
}
} // namespace

class Form1StartTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void init();

    void controls_data();
    void controls();
    void laidOutAtStartSize_data();
    void laidOutAtStartSize();
    void colours_data();
    void colours();
    void colouredButtonsShowTheirColour_data();
    void colouredButtonsShowTheirColour();
    void pictures_data();
    void pictures();
    void tabOrder();
    void emptyFrameLiesUnderNeighbours();
    void window();
    void menus_data();
    void menus();
};

void Form1StartTest::init() {
    mainWindow();
}

void Form1StartTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("design");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");

    auto row = [](const char* name, const char* kind, const QString& text, QRect design,
                  bool visible, bool enabled, bool bold, double points) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << text
                            << design << visible << enabled << bold << points;
    };
    const QString none;
    row("CmdPagN", "QPushButton", ">", {176, 328, 41, 25}, false, true, true, 9.75);
    row("CmdPagP", "QPushButton", "<", {128, 328, 41, 25}, false, true, true, 9.75);
    row("ListY", "ResultList", none, {392, 136, 273, 186}, true, false, false, 8.25);
    row("Sbianca", "QCheckBox", "Keep current NL/WL", {264, 332, 249, 25}, false, false, false,
        8.25);
    row("Storia", "QListWidget", none, {16, 136, 102, 186}, true, false, false, 8.25);
    row("CmdForw", "QPushButton", ">", {72, 328, 41, 25}, false, true, true, 9.75);
    row("CmdBack", "QPushButton", "<", {16, 328, 41, 25}, false, true, true, 9.75);
    row("CmdClear", "QPushButton", "CLEAR", {16, 72, 65, 27}, true, false, true, 8.25);
    row("ListZ", "ResultList", none, {120, 136, 265, 186}, true, false, false, 8.25);
    row("Risposta", "QPlainTextEdit", none, {88, 72, 577, 41}, true, false, true, 9.75);
    row("Parola", "QLineEdit", none, {88, 24, 576, 27}, true, false, true, 9.75);
    row("CmdVai", "QPushButton", "FIND", {16, 24, 65, 27}, true, false, true, 8.25);
    row("CmdEsci", "QPushButton", "EXIT", {584, 328, 73, 25}, true, true, true, 8.25);
    row("ListZZ", "QListWidget", none, {120, 136, 265, 186}, true, false, false, 8.25);
    row("nomepurobreve", "QLabel", "-", {8, 8, 65, 17}, false, true, false, 8.25);
    row("PuntinaOK", "QLabel", none, {234, 328, 34, 34}, false, true, false, 8.25);
    row("Puntina", "QLabel", none, {234, 328, 34, 34}, false, true, false, 8.25);
    row("OmbraRisp", "QLabel", QString(11, ' '), {16, 360, 45, 16}, false, true, true, 9.75);
    row("LabAllInterno", "QLabel", "WHEREINTO (WL)", {448, 120, 150, 17}, true, true, false, 8.25);
    row("LabStoria", "QLabel", "QUERIES (QHL)", {16, 120, 97, 17}, true, true, false, 8.25);
    row("LabVediAnche", "QLabel", "NEIGHBOURS (NL) - 50%", {120, 120, 262, 17}, true, true, false,
        8.25);
    row("LabIta", "QLabel", "TRANSLATION (PT)", {248, 56, 150, 17}, true, true, false, 8.25);
    row("LabIng", "QLabel", "QUERY (QW)", {88, 8, 574, 17}, true, true, false, 8.25);
}

void Form1StartTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, design);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(bool, bold);
    QFETCH(double, points);

    QWidget* w = controlsByName(*form_).value(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), form_->centralWidget());
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    QCOMPARE(caption(w), text);
    QCOMPARE(w->geometry(), design); // before the first layout
    QCOMPARE(!w->isHidden(), visible);
    QCOMPARE(w->isEnabled(), enabled);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().family(), QStringLiteral("MS Sans Serif"));
    // Captions carry roots, file names and translations: a "<b>" there is text, not markup.
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void Form1StartTest::laidOutAtStartSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    // Client area 686 by 363: NL and WL 275.5 wide from 120 and 396.5, lists from 135 and 189
    // high, bottom row at 333, EXIT from 597 to 670.
    QTest::newRow("LabIng") << "LabIng" << QRect(88, 8, 582, 17);
    QTest::newRow("Parola") << "Parola" << QRect(88, 24, 582, 27);
    QTest::newRow("LabIta") << "LabIta" << QRect(88, 56, 582, 17);
    QTest::newRow("Risposta") << "Risposta" << QRect(88, 72, 582, 40);
    QTest::newRow("LabStoria") << "LabStoria" << QRect(16, 119, 97, 17);
    QTest::newRow("LabVediAnche") << "LabVediAnche" << QRect(120, 119, 276, 17);
    QTest::newRow("LabAllInterno") << "LabAllInterno" << QRect(397, 119, 275, 17);
    QTest::newRow("Storia") << "Storia" << QRect(16, 135, 102, 189);
    QTest::newRow("ListZ") << "ListZ" << QRect(120, 135, 276, 189);
    QTest::newRow("ListZZ") << "ListZZ" << QRect(120, 135, 276, 189);
    QTest::newRow("ListY") << "ListY" << QRect(397, 135, 275, 189);
    QTest::newRow("CmdBack") << "CmdBack" << QRect(16, 333, 41, 25);
    QTest::newRow("CmdForw") << "CmdForw" << QRect(72, 333, 41, 25);
    QTest::newRow("CmdPagP") << "CmdPagP" << QRect(128, 333, 41, 25);
    QTest::newRow("CmdPagN") << "CmdPagN" << QRect(176, 333, 41, 25);
    QTest::newRow("Sbianca") << "Sbianca" << QRect(272, 333, 249, 25);
    QTest::newRow("Puntina") << "Puntina" << QRect(245, 333, 34, 34);
    QTest::newRow("PuntinaOK") << "PuntinaOK" << QRect(245, 333, 34, 34);
    QTest::newRow("CmdEsci") << "CmdEsci" << QRect(597, 333, 73, 25);
    QTest::newRow("CmdVai keeps its place") << "CmdVai" << QRect(16, 24, 65, 27);
    QTest::newRow("CmdClear keeps its place") << "CmdClear" << QRect(16, 72, 65, 27);
}

void Form1StartTest::laidOutAtStartSize() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    shownWindow();
    QCOMPARE(form_->centralWidget()->size(), QSize(686, 363));
    QCOMPARE(form_->findChild<DictionarySearch*>()->ListsTop, 119.f);
    QCOMPARE(form_->findChild<DictionarySearch*>()->BottomRowTop, 333.f);
    QCOMPARE(controlsByName(*form_).value(name)->geometry(), rect);
}

void Form1StartTest::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("base");
    const QColor white(255, 255, 255);
    QTest::newRow("Parola") << "Parola" << QColor(255, 255, 192);
    QTest::newRow("Risposta") << "Risposta" << white;
    QTest::newRow("ListZ") << "ListZ" << white;
    QTest::newRow("ListZZ") << "ListZZ" << white;
    QTest::newRow("ListY") << "ListY" << white;
}

void Form1StartTest::colours() {
    QFETCH(QString, name);
    QFETCH(QColor, base);
    QWidget* w = controlsByName(*form_).value(name);
    // The boxes are disabled at start and must keep their colour then too.
    QCOMPARE(w->palette().color(QPalette::Disabled, QPalette::Base), base);
    QCOMPARE(w->palette().color(QPalette::Active, QPalette::Base), base);
}

void Form1StartTest::colouredButtonsShowTheirColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("FIND disabled") << "CmdVai" << false;
    QTest::newRow("CLEAR disabled") << "CmdClear" << false;
    QTest::newRow("FIND enabled") << "CmdVai" << true;
    QTest::newRow("CLEAR enabled") << "CmdClear" << true;
}

void Form1StartTest::colouredButtonsShowTheirColour() {
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    shownWindow();
    QWidget* button = controlsByName(*form_).value(name);
    button->setEnabled(enabled);
    const QImage image = button->grab().toImage();
    QCOMPARE(QColor(image.pixel(6, image.height() / 2)), QColor(255, 192, 192));
}

void Form1StartTest::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Puntina") << "Puntina";
    QTest::newRow("PuntinaOK") << "PuntinaOK";
}

void Form1StartTest::pictures() {
    QFETCH(QString, name);
    auto* label = qobject_cast<QLabel*>(controlsByName(*form_).value(name));
    const QImage picture = label->pixmap().toImage();
    QCOMPARE(picture.size(), QSize(34, 34));
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // transparent background
    // Some red in it: a red pushpin.
    bool red = false;
    for (int y = 0; y < 34 && !red; ++y)
        for (int x = 0; x < 34 && !red; ++x) {
            const QColor c = QColor::fromRgba(picture.pixel(x, y));
            red = c.alpha() == 255 && c.red() > 180 && c.green() < 80 && c.blue() < 80;
        }
    QVERIFY(red);
}

void Form1StartTest::tabOrder() {
    const QList<QWidget*> expected = {ui().Parola,  ui().CmdVai,   ui().CmdEsci, ui().Risposta,
                                      ui().ListZ,   ui().CmdClear, ui().CmdBack, ui().CmdForw,
                                      ui().Storia,  ui().Sbianca,  ui().ListY,   ui().ListZZ,
                                      ui().CmdPagP, ui().CmdPagN};
    QList<QWidget*> chain;
    QWidget* w = ui().Parola;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && form_->centralWidget()->isAncestorOf(w))
            chain.append(w);
        w = w->nextInFocusChain();
    } while (w != ui().Parola);
    QCOMPARE(chain, expected);
}

void Form1StartTest::emptyFrameLiesUnderNeighbours() {
    const QObjectList stack = form_->centralWidget()->children();
    QVERIFY(stack.indexOf(ui().ListZZ) < stack.indexOf(ui().ListZ));
}

void Form1StartTest::window() {
    QCOMPARE(
        form_->windowTitle(),
        QStringLiteral("         ***          Vocabrix V.2.0         ***         by Quembril"));
    QCOMPARE(form_->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(form_->font().pointSizeF(), 8.25);
    QVERIFY(!form_->font().bold());
    QVERIFY(!Form2::exists()); // the options window waits for its first use
    shownWindow();
    QCOMPARE(form_->centralWidget()->size(), QSize(686, 363));
}

void Form1StartTest::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::newRow("File") << "mFile"
                          << "File" << QStringList{"mOpen", "mChange", "mSep1", "mExit"}
                          << QStringList{"Open dictionary", "Change dictionary", "", "Exit"}
                          << QList<bool>{true, false, true, true};
    QTest::newRow("Tools") << "mTools"
                           << "Tools" << QStringList{"mOpzioni"} << QStringList{"Options"}
                           << QList<bool>{true};
    QTest::newRow("Help") << "mHelp"
                          << "Help" << QStringList{"mInstru", "mTips", "mSep4", "mAbout"}
                          << QStringList{"Instructions", "Tips", "", "About"}
                          << QList<bool>{true, true, true, true};
}

void Form1StartTest::menus() {
    QFETCH(QString, menu);
    QFETCH(QString, menuCaption);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, enabled);

    const auto members = menusByName(*form_);
    auto* m = qobject_cast<QMenu*>(members.value(menu));
    QVERIFY(m);
    QCOMPARE(m->title(), menuCaption);
    QVERIFY(form_->menuBar()->actions().contains(m->menuAction()));

    const QList<QAction*> actions = m->actions();
    QCOMPARE(actions.size(), entries.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), entries[i]);
        QCOMPARE(actions[i], members.value(entries[i]));
        QCOMPARE(actions[i]->isSeparator(), entries[i].startsWith(QStringLiteral("mSep")));
        QCOMPARE(actions[i]->text(), captions[i]);
        QCOMPARE(actions[i]->isEnabled(), enabled[i]);
    }
}

QTEST_MAIN(Form1StartTest)
#include "form1_start_test.moc"
