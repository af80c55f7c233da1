// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "form2.h"
#include "search_test_support.h"

#include "result_list.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
template <typename T> T* named(const Form1& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("the main window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}
} // namespace

Form1Controls findControls(const Form1& form) {
    Form1Controls c;
    c.CmdPagN = named<QPushButton>(form, "CmdPagN");
    c.CmdPagP = named<QPushButton>(form, "CmdPagP");
    c.ListY = named<ResultList>(form, "ListY");
    c.Sbianca = named<QCheckBox>(form, "Sbianca");
    c.Storia = named<QListWidget>(form, "Storia");
    c.CmdForw = named<QPushButton>(form, "CmdForw");
    c.CmdBack = named<QPushButton>(form, "CmdBack");
    c.CmdClear = named<QPushButton>(form, "CmdClear");
    c.ListZ = named<ResultList>(form, "ListZ");
    c.Risposta = named<QPlainTextEdit>(form, "Risposta");
    c.Parola = named<QLineEdit>(form, "Parola");
    c.CmdVai = named<QPushButton>(form, "CmdVai");
    c.CmdEsci = named<QPushButton>(form, "CmdEsci");
    c.ListZZ = named<QListWidget>(form, "ListZZ");
    c.nomepurobreve = named<QLabel>(form, "nomepurobreve");
    c.PuntinaOK = named<QLabel>(form, "PuntinaOK");
    c.Puntina = named<QLabel>(form, "Puntina");
    c.OmbraRisp = named<QLabel>(form, "OmbraRisp");
    c.LabAllInterno = named<QLabel>(form, "LabAllInterno");
    c.LabStoria = named<QLabel>(form, "LabStoria");
    c.LabVediAnche = named<QLabel>(form, "LabVediAnche");
    c.LabIta = named<QLabel>(form, "LabIta");
    c.LabIng = named<QLabel>(form, "LabIng");
    c.mFile = named<QMenu>(form, "mFile");
    c.mOpen = named<QAction>(form, "mOpen");
    c.mChange = named<QAction>(form, "mChange");
    c.mSep1 = named<QAction>(form, "mSep1");
    c.mExit = named<QAction>(form, "mExit");
    c.mTools = named<QMenu>(form, "mTools");
    c.mOpzioni = named<QAction>(form, "mOpzioni");
    c.mHelp = named<QMenu>(form, "mHelp");
    c.mInstru = named<QAction>(form, "mInstru");
    c.mTips = named<QAction>(form, "mTips");
    c.mSep4 = named<QAction>(form, "mSep4");
    c.mAbout = named<QAction>(form, "mAbout");
    return c;
}

Form1& WindowTestCase::mainWindow() {
    if (!form_) form_ = std::make_unique<Form1>(prompts_);
    return *form_;
}

Form1& WindowTestCase::shownWindow() {
    mainWindow().show();
    if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("the window was not exposed");
    return *form_;
}

void WindowTestCase::initTestCase() {
    QVERIFY(cache_.isValid());
    search_test::useTemporaryCache(cache_);
}

void WindowTestCase::cleanup() {
    form_.reset();
    prompts_ = FakePrompts{};
    Form2::discardInstance();
}
