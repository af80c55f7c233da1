// SPDX-License-Identifier: GPL-3.0-or-later
// The search side of the main window: created once the controls exist, acting on them.
#include "form1.h"

#include "dictionary_search.h"

void Form1::createSearch() {
    search_ = std::make_unique<DictionarySearch>(searchView(), *this, this);
}

SearchView Form1::searchView() {
    SearchView view;
    view.window = this;
    view.CmdPagN = CmdPagN;
    view.CmdPagP = CmdPagP;
    view.ListY = ListY;
    view.Sbianca = Sbianca;
    view.Storia = Storia;
    view.CmdForw = CmdForw;
    view.CmdBack = CmdBack;
    view.CmdClear = CmdClear;
    view.ListZ = ListZ;
    view.Risposta = Risposta;
    view.Parola = Parola;
    view.CmdVai = CmdVai;
    view.nomepurobreve = nomepurobreve;
    view.PuntinaOK = PuntinaOK;
    view.Puntina = Puntina;
    view.OmbraRisp = OmbraRisp;
    view.LabVediAnche = LabVediAnche;
    view.LabIng = LabIng;
    view.mOpen = mOpen;
    view.mChange = mChange;
    return view;
}
