// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "form2.h"
#include "search_test_support.h"

#include <QTest>

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
