#include "language_switch.h"

#include "bilingual_texts.h"
#include "caption_tables.h"
#include "form1.h"
#include "form2.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace texts {

namespace {
void applyToOptions(const OptionsCaptions& c, Form2& w) {
    w.setWindowTitle(c.title);
    w.Label1->setText(c.label1);
    w.Label2->setText(c.label2);
    w.LinguaIng->setText(c.linguaIng);
    w.LinguaIta->setText(c.linguaIta);
    w.useNL->setText(c.useNL);
    w.useWL->setText(c.useWL);
    w.CmdDefaults->setText(c.cmdDefaults);
}

void applyToMain(bool italian, const MainCaptions& c, Form1& w) {
    w.setWindowTitle(c.title);
    w.mOpen->setText(c.mOpen);
    w.mChange->setText(c.mChange);
    w.mExit->setText(c.mExit);
    w.mTools->setTitle(c.mTools);
    w.mOpzioni->setText(c.mOpzioni);
    w.mHelp->setTitle(c.mHelp);
    w.mInstru->setText(c.mInstru);
    w.mTips->setText(c.mTips);
    w.mAbout->setText(c.mAbout);
    w.CmdVai->setText(c.cmdVai);
    w.CmdClear->setText(c.cmdClear);
    w.LabIng->setText(queryCaption(italian, w.nomepurobreve->text()));
    w.LabIta->setText(c.labIta);
    w.LabStoria->setText(c.labStoria);
    w.LabVediAnche->setText(c.labVediAnche);
    w.LabVediAnche->setToolTip(QString()); // the tool tip showed the last search's root
    w.LabAllInterno->setText(c.labAllInterno);
    w.Sbianca->setText(c.sbianca);
    w.CmdEsci->setText(c.cmdEsci);
}
} // namespace

void applyInterfaceLanguage(bool italian, Form2& options, Form1* mainWindow) {
    applyToOptions(optionsCaptions(italian), options);
    if (mainWindow) applyToMain(italian, mainCaptions(italian), *mainWindow);
}

} // namespace texts
