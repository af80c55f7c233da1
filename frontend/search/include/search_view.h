// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window that the search reads and writes. The window owns them.

#include "result_list.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

struct SearchView {
    QWidget* window = nullptr; // repainted, given the wait pointer, the parent of messages
    QPushButton* CmdPagN = nullptr;
    QPushButton* CmdPagP = nullptr;
    ResultList* ListY = nullptr;
    QCheckBox* Sbianca = nullptr;
    QListWidget* Storia = nullptr;
    QPushButton* CmdForw = nullptr;
    QPushButton* CmdBack = nullptr;
    QPushButton* CmdClear = nullptr;
    ResultList* ListZ = nullptr;
    QPlainTextEdit* Risposta = nullptr;
    QLineEdit* Parola = nullptr;
    QPushButton* CmdVai = nullptr;
    QLabel* nomepurobreve = nullptr;
    QLabel* PuntinaOK = nullptr;
    QLabel* Puntina = nullptr;
    QLabel* OmbraRisp = nullptr;
    QLabel* LabVediAnche = nullptr;
    QLabel* LabIng = nullptr;
    QAction* mOpen = nullptr;
    QAction* mChange = nullptr;
};
