// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "bilingual_texts.h"
#include "dictionary_search.h"
#include "layout_math.h"
#include "program_resources.h"
#include "result_list.h"
#include "ui_fonts.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <initializer_list>
#include <iterator>

namespace {
using Widgets = std::initializer_list<QWidget*>;

constexpr int kClientWidth = 686;
constexpr int kClientHeight = 363;

template <typename W> W* make(QWidget* parent, const char* name, QRectF design) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(layout::toPixels(design));
    return w;
}

QLabel* makeCaption(QWidget* parent, const char* name, QRectF design) {
    auto* label = make<QLabel>(parent, name, design);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText); // a root or a file name is never markup
    return label;
}

QLabel* makePicture(QWidget* parent, const char* name, const QString& resource) {
    auto* picture = make<QLabel>(parent, name, {234, 328, 34, 34});
    picture->setPixmap(programPicture(resource, picture->devicePixelRatio()));
    picture->setAttribute(Qt::WA_TranslucentBackground);
    // The pin overlaps the keep box; clicks there belong to the box.
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    return picture;
}

void setBase(QWidget* w, QColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour); // every colour group, so a disabled box keeps it
    w->setPalette(p);
}

void paintButton(QPushButton* button, QColor colour) {
    // A style sheet is the one way every widget style draws a button's background colour.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                         "#808080; border-radius: 2px; }"
                                         "QPushButton:pressed { background-color: %2; }"
                                         "QPushButton:focus { border: 2px solid #404040; }")
                              .arg(colour.name(), colour.darker(115).name()));
}
} // namespace

Form1::Form1(UserPrompts& prompts, QWidget* parent) : QMainWindow(parent), prompts_(prompts) {
    setUpWindow();
    createControls();
    createMenus();
    createSearch();
    applyCaptions(false); // the windows start in English
    setStartSize();
    setFonts();
    setColours();
    setStartStates();
    orderTabStops();
    routeEvents();
    followOptions();
}

Form1::~Form1() = default;

void Form1::setUpWindow() {
    loadProgramResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    setFont(ui::msSansSerif(ui::kNormalPoints));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
}

void Form1::setStartSize() {
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void Form1::createControls() {
    QWidget* c = centralWidget();
    // Creation order matters: later controls lie above earlier ones.
    CmdPagN = make<QPushButton>(c, "CmdPagN", {176, 328, 41, 25});
    CmdPagP = make<QPushButton>(c, "CmdPagP", {128, 328, 41, 25});
    ListY = make<ResultList>(c, "ListY", {392, 136, 273, 186});
    Sbianca = make<QCheckBox>(c, "Sbianca", {264, 332, 249, 25});
    Storia = make<QListWidget>(c, "Storia", {16, 136, 102, 186});
    CmdForw = make<QPushButton>(c, "CmdForw", {72, 328, 41, 25});
    CmdBack = make<QPushButton>(c, "CmdBack", {16, 328, 41, 25});
    CmdClear = make<QPushButton>(c, "CmdClear", {16, 72, 65, 27});
    ListZ = make<ResultList>(c, "ListZ", {120, 136, 265, 186});
    Risposta = make<QPlainTextEdit>(c, "Risposta", {88, 72, 577, 41});
    Risposta->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Risposta->setTabChangesFocus(true);
    Parola = make<QLineEdit>(c, "Parola", {88, 24, 576, 80.0 / 3});
    CmdVai = make<QPushButton>(c, "CmdVai", {16, 24, 65, 27});
    CmdEsci = make<QPushButton>(c, "CmdEsci", {584, 328, 73, 25});
    ListZZ = make<QListWidget>(c, "ListZZ", {120, 136, 265, 186});
    ListZZ->lower(); // an empty frame under NL
    nomepurobreve = make<QLabel>(c, "nomepurobreve", {8, 8, 65, 17});
    nomepurobreve->setTextFormat(Qt::PlainText);
    nomepurobreve->setText(texts::noDictionaryName());
    PuntinaOK = makePicture(c, "PuntinaOK", pinStandingPath());
    Puntina = makePicture(c, "Puntina", pinLyingPath());
    OmbraRisp = make<QLabel>(c, "OmbraRisp", {16, 360, 45, 16});
    OmbraRisp->setWordWrap(false);
    OmbraRisp->setTextFormat(Qt::PlainText); // measures the translation as the answer box shows it
    OmbraRisp->setText(QString(11, QLatin1Char(' ')));
    LabAllInterno = makeCaption(c, "LabAllInterno", {448, 120, 150, 17});
    LabStoria = makeCaption(c, "LabStoria", {16, 120, 97, 17});
    LabVediAnche = makeCaption(c, "LabVediAnche", {120, 120, 262, 17});
    LabIta = makeCaption(c, "LabIta", {248, 56, 150, 17});
    LabIng = makeCaption(c, "LabIng", {88, 8, 574, 17});
}

void Form1::setFonts() {
    const QFont large = ui::msSansSerif(ui::kLargePoints, true);
    for (QWidget* w : Widgets{CmdPagN, CmdPagP, CmdForw, CmdBack, Risposta, Parola, OmbraRisp})
        w->setFont(large);
    const QFont buttons = ui::msSansSerif(ui::kNormalPoints, true);
    for (QPushButton* b : {CmdClear, CmdVai, CmdEsci})
        b->setFont(buttons);
}

void Form1::setColours() {
    const QColor white(255, 255, 255);
    for (QWidget* w : Widgets{ListY, ListZ, ListZZ, Risposta})
        setBase(w, white);
    setBase(Parola, QColor(255, 255, 192));
    paintButton(CmdClear, QColor(255, 192, 192));
    paintButton(CmdVai, QColor(255, 192, 192));
}

void Form1::setStartStates() {
    // Nothing but EXIT and the menus responds until a dictionary is chosen.
    for (QWidget* w : Widgets{CmdPagN, CmdPagP, Sbianca, CmdForw, CmdBack, nomepurobreve, PuntinaOK,
                              Puntina, OmbraRisp})
        w->hide();
    for (QWidget* w :
         Widgets{ListY, Sbianca, Storia, CmdClear, ListZ, Risposta, Parola, CmdVai, ListZZ})
        w->setEnabled(false);
    mChange->setEnabled(false);
}

void Form1::orderTabStops() {
    QWidget* const order[] = {Parola,  CmdVai, CmdEsci, Risposta, ListZ,  CmdClear, CmdBack,
                              CmdForw, Storia, Sbianca, ListY,    ListZZ, CmdPagP,  CmdPagN};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : {nomepurobreve, PuntinaOK, Puntina, OmbraRisp, LabAllInterno, LabStoria,
                          LabVediAnche, LabIta, LabIng})
        label->setFocusPolicy(Qt::NoFocus);
}
