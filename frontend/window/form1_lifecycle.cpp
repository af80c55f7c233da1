// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own commands: the options window and the program's end.
#include "form1.h"

#include "dictionary_search.h"
#include "options_window.h"
#include "user_prompts.h"

void Form1::CmdEsci_Click() {
    search_->closeFiles();
    prompts().endProgram();
}

void Form1::mExit_Click() {
    CmdEsci_Click();
}

void Form1::Form_Unload() {
    CmdEsci_Click();
}

void Form1::mOpzioni_Click() {
    options::showWindow();
}
