// What the options window does when the user changes a setting.
#include "form2.h"

#include "form1.h"
#include "language_switch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

void Form2::useNL_Click() {
    const bool on = useNL->checkState() == Qt::Checked;
    NEsca->setEnabled(on);
    if (Form1* main = mainWindow()) main->LabVediAnche->setEnabled(on);
}

void Form2::useWL_Click() {
    const bool on = useWL->checkState() == Qt::Checked;
    if (Form1* main = mainWindow()) main->LabAllInterno->setEnabled(on);
}

void Form2::NEsca_Click() {
    // English in both languages; the next search writes the caption in the current one.
    if (Form1* main = mainWindow()) {
        main->LabVediAnche->setText(QStringLiteral("NEIGHBOURS (NL) - ") + NEsca->currentText() +
                                    QLatin1Char('%'));
        main->LabVediAnche->setToolTip(QString()); // the tool tip showed the last search's root
    }
}

void Form2::CmdDefaults_Click() {
    useNL->setChecked(true);
    NEsca->setCurrentText(QStringLiteral("50"));
    useWL->setChecked(true);
}

void Form2::comExit_Click() {
    hide();
}

void Form2::LinguaIng_Click() {
    if (!LinguaIng->isChecked()) return;
    texts::applyInterfaceLanguage(false, *this, mainWindow());
}

void Form2::LinguaIta_Click() {
    if (!LinguaIta->isChecked()) return;
    texts::applyInterfaceLanguage(true, *this, mainWindow());
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing from the title bar keeps the window and its settings, as OK does.
    event->ignore();
    comExit_Click();
}
