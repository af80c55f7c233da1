// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_window.h"

#include "form1.h"

#include "result_list.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

template <typename T> T* find(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

QWidget* optionsWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form2")) return w;
    return nullptr;
}

bool waiting(const QWidget& window) {
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::WaitCursor;
}

} // namespace

SessionWindow::SessionWindow(QStringList dictionaries)
    : dictionaries_(std::move(dictionaries)), form_(std::make_unique<Form1>(prompts)) {
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("the window was not exposed");
    QWidget* w = form_.get();
    c_ = {find<QLineEdit>(w, "Parola"),    find<QPlainTextEdit>(w, "Risposta"),
          find<ResultList>(w, "ListZ"),    find<ResultList>(w, "ListY"),
          find<QListWidget>(w, "Storia"),  find<QCheckBox>(w, "Sbianca"),
          find<QPushButton>(w, "CmdVai"),  find<QPushButton>(w, "CmdClear"),
          find<QPushButton>(w, "CmdPagN"), find<QPushButton>(w, "CmdPagP"),
          find<QPushButton>(w, "CmdBack"), find<QPushButton>(w, "CmdForw"),
          find<QAction>(w, "mOpen"),       find<QAction>(w, "mChange"),
          find<QAction>(w, "mOpzioni")};
    form_->installEventFilter(this);
    // The options window outlives main windows: back to its start values, as a new run has them.
    OptionControls& o = options();
    click(o.CmdDefaults);
    click(o.LinguaIng);
    click(o.ComExit);
}

SessionWindow::~SessionWindow() = default;

QWidget& SessionWindow::window() {
    return *form_;
}

OptionControls& SessionWindow::options() {
    if (!optionsWindow() || optionsWindow()->isHidden()) c_.mOpzioni->trigger();
    QWidget* w = optionsWindow();
    if (!w) qFatal("the Options entry showed no options window");
    if (!options_ || options_->window != w)
        options_ = std::make_unique<OptionControls>(
            OptionControls{w, find<QCheckBox>(w, "useNL"), find<QCheckBox>(w, "useWL"),
                           find<QComboBox>(w, "NEsca"), find<QRadioButton>(w, "LinguaIng"),
                           find<QRadioButton>(w, "LinguaIta"), find<QPushButton>(w, "CmdDefaults"),
                           find<QPushButton>(w, "ComExit")});
    return *options_;
}

// The action arriving during a read runs from the event processing of that read, once the
// wait cursor shows that a search or page change has begun.
bool SessionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::CursorChange && armed_ && waiting(*form_)) {
        std::shared_ptr<const Action> meanwhile = std::move(armed_);
        QTimer::singleShot(0, this, [this, meanwhile] {
            const bool reading = waiting(*form_);
            if (beforeMeanwhile) beforeMeanwhile(reading);
            perform(*meanwhile);
            if (afterMeanwhile) afterMeanwhile(reading);
        });
    }
    return QObject::eventFilter(watched, event);
}

void SessionWindow::perform(const Action& a) {
    if (a.kind >= ActionKind::ToggleNL && a.kind <= ActionKind::Language) {
        performOptions(a);
        return;
    }
    armed_ = a.during;
    performMain(a);
    armed_.reset();
    // A second action not yet run (no read let events run) comes right after the first.
    QCoreApplication::processEvents();
}

void SessionWindow::performMain(const Action& a) {
    switch (a.kind) {
    case ActionKind::ChooseDictionary:
        prompts.answers = {{a.number < 0 ? QString() : dictionaries_.at(a.number), {}}};
        if (c_.mChange->isEnabled())
            c_.mChange->trigger();
        else if (c_.mOpen->isEnabled())
            c_.mOpen->trigger();
        prompts.answers.clear();
        break;
    case ActionKind::TypeWord:
        typeWord(a.text, a.number % 4 != 0);
        break;
    case ActionKind::Key: {
        static constexpr Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Delete};
        QTest::keyClick(c_.Parola, keys[a.number % 3]);
        break;
    }
    case ActionKind::Enter:
        QTest::keyClick(c_.Parola, Qt::Key_Return);
        break;
    case ActionKind::Find:
        click(c_.CmdVai);
        break;
    case ActionKind::Clear:
        click(c_.CmdClear);
        break;
    case ActionKind::DoubleClickNL:
        doubleClickRow(c_.ListZ, a.number);
        break;
    case ActionKind::DoubleClickWL:
        doubleClickRow(c_.ListY, a.number);
        break;
    case ActionKind::ClickHistory:
        clickRow(c_.Storia, a.number);
        break;
    case ActionKind::DoubleClickHistory:
        doubleClickRow(c_.Storia, a.number);
        break;
    case ActionKind::Back:
        click(c_.CmdBack);
        break;
    case ActionKind::Forward:
        click(c_.CmdForw);
        break;
    case ActionKind::Keep:
        click(c_.Sbianca);
        break;
    case ActionKind::NextPage:
        click(c_.CmdPagN);
        break;
    case ActionKind::PreviousPage:
        click(c_.CmdPagP);
        break;
    default:
        break;
    }
}

void SessionWindow::performOptions(const Action& a) {
    OptionControls& o = options();
    switch (a.kind) {
    case ActionKind::ToggleNL:
        click(o.useNL);
        break;
    case ActionKind::ToggleWL:
        click(o.useWL);
        break;
    case ActionKind::TypePercent:
        QTest::keyClick(o.NEsca, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(o.NEsca, Qt::Key_Backspace);
        QTest::keyClicks(o.NEsca, a.text);
        break;
    case ActionKind::PickPercent:
        QTest::keyClick(o.NEsca, a.number % 2 ? Qt::Key_Down : Qt::Key_Up);
        break;
    case ActionKind::Defaults:
        click(o.CmdDefaults);
        break;
    case ActionKind::OptionsOk:
        click(o.ComExit);
        break;
    case ActionKind::Language:
        click(a.number % 2 ? o.LinguaIta : o.LinguaIng);
        break;
    default:
        break;
    }
}

void SessionWindow::typeWord(const QString& word, bool emptyFirst) {
    if (emptyFirst) {
        QTest::keyClick(c_.Parola, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c_.Parola, Qt::Key_Backspace);
    }
    // Key by key, accented letters included (Qt's key codes follow Latin-1 there).
    for (const QChar ch : word)
        QTest::sendKeyEvent(QTest::Click, c_.Parola, Qt::Key(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

void SessionWindow::click(QWidget* button) {
    // A user cannot click what is not shown.
    if (button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
}

namespace {
// The row number % the row count, scrolled into view; invalid when the list shows no rows.
QModelIndex shownRow(QAbstractItemView* list, int number) {
    const int rows = list->model()->rowCount();
    if (!list->isVisible() || rows == 0) return {};
    const QModelIndex index = list->model()->index(number % rows, 0);
    list->scrollTo(index);
    return index;
}
} // namespace

void SessionWindow::clickRow(QAbstractItemView* list, int number) {
    const QModelIndex index = shownRow(list, number);
    if (!index.isValid()) return;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void SessionWindow::doubleClickRow(QAbstractItemView* list, int number) {
    const QModelIndex index = shownRow(list, number);
    if (!index.isValid()) return;
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
