// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "form2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace settings {

bool nlOn() {
    return Form2::instance().useNL->checkState() == Qt::Checked;
}

bool wlOn() {
    return Form2::instance().useWL->checkState() == Qt::Checked;
}

QString rootPercentText() {
    return Form2::instance().NEsca->currentText();
}

bool italian() {
    return Form2::instance().LinguaIta->isChecked();
}

} // namespace settings
