// SPDX-License-Identifier: GPL-3.0-or-later
#include "options_window.h"

#include "form2.h"

namespace options {

void showWindow() {
    Form2& window = Form2::instance();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace options
