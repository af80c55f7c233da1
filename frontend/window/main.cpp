// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "real_prompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    RealPrompts prompts;
    Form1 window(prompts);
    window.show();
    return QApplication::exec();
}
