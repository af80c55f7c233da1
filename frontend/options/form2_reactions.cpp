// SPDX-License-Identifier: GPL-3.0-or-later
// What the options window does when the user changes a setting.
#include "form2.h"

#include "option_changes.h"
#include "settings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QRadioButton>

void Form2::useNL_Click() {
    const bool on = useNL->checkState() == Qt::Checked;
    NEsca->setEnabled(on);
    emit OptionChanges::instance().neighboursListSwitched(on);
}

void Form2::useWL_Click() {
    emit OptionChanges::instance().whereintoListSwitched(useWL->checkState() == Qt::Checked);
}

void Form2::NEsca_Click() {
    emit OptionChanges::instance().percentagePicked(NEsca->currentText());
}

void Form2::CmdDefaults_Click() {
    useNL->setChecked(true);
    NEsca->setCurrentText(QString::number(settings::kDefaultRootPercent));
    useWL->setChecked(true);
}

void Form2::comExit_Click() {
    hide();
}

void Form2::LinguaIng_Click() {
    if (!LinguaIng->isChecked()) return;
    applyCaptions(false);
    emit OptionChanges::instance().languageChosen(false);
}

void Form2::LinguaIta_Click() {
    if (!LinguaIta->isChecked()) return;
    applyCaptions(true);
    emit OptionChanges::instance().languageChosen(true);
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing from the title bar keeps the window and its settings, as OK does.
    event->ignore();
    comExit_Click();
}
