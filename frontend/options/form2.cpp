// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "language_switch.h"
#include "program_resources.h"
#include "settings.h"
#include "ui_fonts.h"
#include "ui_units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <memory>

namespace {
std::unique_ptr<Form2>& theInstance() {
    static std::unique_ptr<Form2> instance;
    return instance;
}

constexpr int kClientWidthTwips = 3495;
constexpr int kClientHeightTwips = 4260;

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / ui::kTwipsPerPixel));
}

template <typename W>
W* make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
    return w;
}

QFrame* makeShape(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* shape = make<QFrame>(parent, name, left, top, width, height);
    shape->setFrameShape(QFrame::Box);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents); // a drawing, not a control
    shape->setFocusPolicy(Qt::NoFocus);
    return shape;
}
} // namespace

Form2& Form2::instance() {
    if (!theInstance()) {
        theInstance().reset(new Form2); // the constructor is private
        // A window must go before the application does, not with the static objects after it.
        static const bool cleanUpOnce = (qAddPostRoutine(&Form2::discardInstance), true);
        Q_UNUSED(cleanUpOnce);
    }
    return *theInstance();
}

bool Form2::exists() {
    return theInstance() != nullptr;
}

void Form2::discardInstance() {
    theInstance().reset();
}

Form2::Form2() : QWidget(nullptr, Qt::Window) {
    setUpWindow();
    createControls();
    applyCaptions(false); // the windows start in English
    setFonts();
    orderTabStops();
    routeEvents();
}

Form2::~Form2() = default;

void Form2::applyCaptions(bool italian) {
    texts::applyCaptions(*this, texts::optionsCaptionTable(), italian);
}

void Form2::setUpWindow() {
    loadProgramResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(programIcon());
    setFont(ui::msSansSerif(ui::kNormalPoints));
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
}

void Form2::createControls() {
    LinguaIng = make<QRadioButton>(this, "LinguaIng", 360, 3120, 2295, 255);
    LinguaIng->setChecked(true);
    LinguaIta = make<QRadioButton>(this, "LinguaIta", 360, 2835, 2295, 255);
    useWL = make<QCheckBox>(this, "useWL", 240, 1800, 3015, 375);
    useWL->setChecked(true);
    useNL = make<QCheckBox>(this, "useNL", 240, 240, 3015, 375);
    useNL->setChecked(true);
    CmdDefaults = make<QPushButton>(this, "CmdDefaults", 120, 3720, 975, 375);
    ComExit = make<QPushButton>(this, "ComExit", 2280, 3720, 975, 375);
    NEsca = make<QComboBox>(this, "NEsca", 240, 705, 615, 315);
    NEsca->setEditable(true);
    NEsca->setInsertPolicy(QComboBox::NoInsert); // typed text is a value, not a new item
    NEsca->setCompleter(nullptr);                // and is kept as typed
    NEsca->addItems(
        {QStringLiteral("100"), QStringLiteral("75"), QStringLiteral("50"), QStringLiteral("25")});
    NEsca->setCurrentIndex(NEsca->findText(QString::number(settings::kDefaultRootPercent)));
    Shape2 = makeShape(this, "Shape2", 120, 2400, 3255, 1095);
    Label2 = make<QLabel>(this, "Label2", 240, 2520, 3015, 255);
    Shape4 = makeShape(this, "Shape4", 120, 1680, 3255, 615);
    Shape1 = makeShape(this, "Shape1", 120, 120, 3255, 1455);
    Label1 = make<QLabel>(this, "Label1", 240, 720, 3135, 855);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setBuddy(NEsca); // a screen reader reads the label with the percentage box

    // The percentage box lies over the first line of Label1, whose caption leaves room for it;
    // the frames lie under everything.
    NEsca->raise();
    for (QFrame* shape : {Shape2, Shape4, Shape1})
        shape->lower();
}

void Form2::setFonts() {
    const QFont large = ui::msSansSerif(ui::kLargePoints);
    for (QWidget* w :
         std::initializer_list<QWidget*>{LinguaIng, LinguaIta, useWL, useNL, Label2, Label1})
        w->setFont(large);
}

void Form2::orderTabStops() {
    QWidget* const order[] = {NEsca, ComExit, CmdDefaults, useNL, useWL, LinguaIta, LinguaIng};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QLabel* label : {Label1, Label2})
        label->setFocusPolicy(Qt::NoFocus);
}

void Form2::routeEvents() {
    // A value changed by code raises the same reaction as the user's click.
    connect(useNL, &QCheckBox::stateChanged, this, &Form2::useNL_Click);
    connect(useWL, &QCheckBox::stateChanged, this, &Form2::useWL_Click);
    connect(NEsca, &QComboBox::activated, this, &Form2::NEsca_Click);
    NEsca->installEventFilter(this);
    NEsca->lineEdit()->installEventFilter(this);
    connect(CmdDefaults, &QPushButton::clicked, this, &Form2::CmdDefaults_Click);
    connect(ComExit, &QPushButton::clicked, this, &Form2::comExit_Click);
    routeLanguageButton(LinguaIng, &Form2::LinguaIng_Click);
    routeLanguageButton(LinguaIta, &Form2::LinguaIta_Click);
}

void Form2::routeLanguageButton(QRadioButton* button, void (Form2::*reaction)()) {
    // A change of selection, by the user or by code, runs the reaction once. A click on the
    // button already selected changes nothing, yet the user clicked: it runs the reaction too.
    connect(button, &QRadioButton::toggled, this, [this, reaction](bool on) {
        if (on) (this->*reaction)();
    });
    connect(button, &QRadioButton::pressed, this,
            [this, button] { languagePressedWhileSelected_ = button->isChecked(); });
    connect(button, &QRadioButton::clicked, this, [this, reaction] {
        if (languagePressedWhileSelected_) (this->*reaction)();
        languagePressedWhileSelected_ = false;
    });
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the percentage box would count as picking the item it names; typing is no pick.
    const bool percentBox = watched == NEsca || watched == NEsca->lineEdit();
    if (percentBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QWidget::eventFilter(watched, event);
}
