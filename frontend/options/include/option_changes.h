// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the options window's reactions tell the rest of the program. It lives for the whole
// process, so a main window can listen before the options window is first created.

#include <QObject>
#include <QString>

class OptionChanges : public QObject {
    Q_OBJECT
public:
    static OptionChanges& instance();

signals:
    void neighboursListSwitched(bool on);              // useNL_Click
    void whereintoListSwitched(bool on);               // useWL_Click
    void percentagePicked(const QString& percentText); // NEsca_Click
    // A language button was clicked; the options window has taken the language's captions.
    void languageChosen(bool italian);

private:
    OptionChanges() = default;
};
