#pragma once
// Every caption of both windows in English and Italian. The windows are created with the
// English ones; a language switch applies one table or the other.

#include <QString>

namespace texts {

struct OptionsCaptions {
    QString title;
    QString label1;
    QString label2;
    QString linguaIng;
    QString linguaIta;
    QString useNL;
    QString useWL;
    QString cmdDefaults;
};

struct MainCaptions {
    QString title;
    QString mOpen;
    QString mChange;
    QString mExit;
    QString mTools;
    QString mOpzioni;
    QString mHelp;
    QString mInstru;
    QString mTips;
    QString mAbout;
    QString cmdVai;
    QString cmdClear;
    QString labIta;
    QString labStoria;
    QString labVediAnche;
    QString labAllInterno;
    QString sbianca;
    QString cmdEsci;
};

const OptionsCaptions& optionsCaptions(bool italian);
const MainCaptions& mainCaptions(bool italian);

} // namespace texts
