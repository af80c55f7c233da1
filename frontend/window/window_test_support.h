// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's tests share: the exchange file in a temporary cache, the window with a
// fake user, and a fresh options window for each test function.

#include "fake_prompts.h"
#include "form1.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class WindowTestCase : public QObject {
    Q_OBJECT
protected:
    // The main window with prompts_ as its user, created on first use.
    Form1& mainWindow();
    // The same, shown and exposed.
    Form1& shownWindow();

    QTemporaryDir cache_;
    FakePrompts prompts_;
    std::unique_ptr<Form1> form_;

private slots:
    void initTestCase();
    void cleanup();
};
