// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's captions, and what it shows of the options window's changes.
#include "form1.h"

#include "bilingual_texts.h"
#include "caption_tables.h"
#include "language_switch.h"
#include "option_changes.h"

#include <QLabel>

void Form1::applyCaptions(bool italian) {
    texts::applyCaptions(*this, texts::mainCaptionTable(), italian);
    LabIng->setText(texts::queryCaption(italian, nomepurobreve->text()));
    LabVediAnche->setToolTip(QString()); // it showed the last search's root
}

void Form1::followOptions() {
    const OptionChanges& options = OptionChanges::instance();
    connect(&options, &OptionChanges::neighboursListSwitched, this,
            [this](bool on) { LabVediAnche->setEnabled(on); });
    connect(&options, &OptionChanges::whereintoListSwitched, this,
            [this](bool on) { LabAllInterno->setEnabled(on); });
    connect(&options, &OptionChanges::percentagePicked, this, [this](const QString& percent) {
        LabVediAnche->setText(texts::pickedPercentCaption(percent));
        LabVediAnche->setToolTip(QString());
    });
    connect(&options, &OptionChanges::languageChosen, this, &Form1::applyCaptions);
}
