// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_texts.h"

#include <QStringList>

namespace texts {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

QString joinLines(const QStringList& lines) {
    return lines.join(kLineBreak);
}
} // namespace

HelpMessage instructions(bool italian) {
    if (italian)
        return {QStringLiteral("     ISTRUZIONI"),
                joinLines({
                    QStringLiteral(
                        "1 - Dal menu File, scegliere o cambiare il file Dizionario (*.txt)"),
                    QStringLiteral(
                        "2 - Scrivere nella casella Domanda (QW) e lanciare la ricerca premendo"),
                    QStringLiteral("    Invio o il bottone Cerca."),
                    QStringLiteral("    La casella della Risposta (PT) mostra l'esito della "
                                   "ricerca; la Domanda"),
                    QStringLiteral("    QW cambia in rosso quando la ricerca non ha successo."),
                    QStringLiteral(
                        "    La Lista NL mostra tutte le voci che hanno la Radice della Domanda;"),
                    QStringLiteral("    la Radice è determinata dalla % stabilita nelle Opzioni."),
                    QStringLiteral(
                        "    La Lista WL, invece, mostra tutte le voci contenenti, in qualche"),
                    QStringLiteral("    modo, l'intera parola."),
                    QStringLiteral("3 - Per eseguire altre ricerche: oltre che scrivere in QW, "
                                   "fare 2clic su"),
                    QStringLiteral(
                        "    qualunque voce presente nelle Liste NL, WL o nella Storia (QHL)."),
                    QStringLiteral("4 - Le Liste NL e WL si bloccano usando la casella in basso "
                                   "alla finestra."),
                })};
    return {
        QStringLiteral("     INSTRUCTIONS"),
        joinLines({
            QStringLiteral("1 - From File menu choose or change the Dictionary (*.txt)"),
            QStringLiteral("2 - Fill Query Word (QW) textbox; press Enter key or click Find"),
            QStringLiteral("    button to fire the search."),
            QStringLiteral("    Possible Translations (PT) textbox shows results, while QW"),
            QStringLiteral("    changed to red means that none exists."),
            QStringLiteral("    Neighbours List (NL) shows all items having, at least, the %"),
            QStringLiteral("    of initial QW letters set in the Options and Whereinto List (WL)"),
            QStringLiteral("    all those including in any way the QW (see Options)."),
            QStringLiteral("3 - To to fire new searches write into QW, or 2click any item from"),
            QStringLiteral("    NL, or WL, or Queries History List (QHL)."),
            QStringLiteral("4 - To maintain current NL and WL mark the apposite checkbox."),
        })};
}

HelpMessage tips(bool italian) {
    // The message ends with a line break and four blanks.
    const QString trailer = kLineBreak + QStringLiteral("    ");
    if (italian)
        return {
            QStringLiteral("     SUGGERIMENTI"),
            joinLines({
                QStringLiteral("1 - Mantenere le Liste NL e WL esistenti consente di "
                               "esplorare facilmente,"),
                QStringLiteral("      qua e là, più voci apparse con l'ultima richiesta. "),
                QStringLiteral("2 - Per mantenere le Liste NL e WL correnti, mettere una spunta"),
                QStringLiteral("      nella casella corrispondente, in basso alla finestra."),
                QStringLiteral(
                    "3 - Con grossi Dizionari, si possono abbreviare i tempi di risposta"),
                QStringLiteral("      disabilitando le Liste NL e WL o mantenendone il "
                               "contenuto esistente. "),
                QStringLiteral("4 - Le Liste NL e/o WL si possono disabilitare da menu "
                               "Strumenti, Opzioni."),
                QStringLiteral(
                    "5 - Digitare un * per ottenere nella Lista NL tutte le voci presenti nel"),
                QStringLiteral(
                    "      Dizionario. Per grossi Dizionari conviene però richiedere il pezzo"),
                QStringLiteral("      relativo a una singola lettera dell'alfabeto."),
            }) + trailer};
    return {
        QStringLiteral("     TIPS"),
        joinLines({
            QStringLiteral("1 - Maintaining the current Lists allows you to easily explore, here"),
            QStringLiteral("      and there, different items shown by a previous query. "),
            QStringLiteral("2 - To maintain the current Lists (NL and WL) put a flag"),
            QStringLiteral("      into the apposite checkbox at the form bottom."),
            QStringLiteral("3 - With huge Dictionaries, you may fasten your queries disabling"),
            QStringLiteral("      NL and WL or maintaining their current contents. "),
            QStringLiteral("4 - You can disable NL and/or WL from Tools, Options menu."),
            QStringLiteral("5 - Type a single * to obtain in the Neighbours List (NL) all"),
            QStringLiteral("      the dictionary items. But, for huge Dictionaries, is suggested"),
            QStringLiteral("      to try with a single alphabet letter at a time."),
        }) + trailer};
}

HelpMessage about(bool italian) {
    const QString title = QStringLiteral("      Vocabrix V.2.0");
    if (italian)
        return {title,
                joinLines({
                    QStringLiteral("Vocabrix V.2.0 - consultazione di dizionari bilingui"),
                    QString(),
                    QStringLiteral("Cerca le parole in dizionari conservati come file di testo"),
                    QStringLiteral("ed elenca le voci vicine e quelle che le contengono."),
                    QStringLiteral("Nulla viene salvato tra un avvio e l'altro."),
                    QString(),
                    QStringLiteral("Il programma è fornito con due file dizionario di esempio:"),
                    QStringLiteral("            'italiano_inglese.txt' e"),
                    QStringLiteral("            'inglese_italiano.txt'"),
                    QStringLiteral(
                        "ricavati dai dizionari FreeDict Italiano-Inglese e Inglese-Italiano,"),
                    QStringLiteral(
                        "pubblicati sotto GNU GPL da FreeDict, che non ha indirizzo postale."),
                    QStringLiteral("Questi e molti altri dizionari si possono scaricare da:"),
                    QStringLiteral("            'https://freedict.org'"),
                })};
    return {
        title,
        joinLines({
            QStringLiteral("Vocabrix V.2.0 - two-language dictionary look-up"),
            QString(),
            QStringLiteral("Looks words up in dictionaries kept as plain text files"),
            QStringLiteral("and lists the neighbours and the words that contain them."),
            QStringLiteral("Nothing is saved between runs."),
            QString(),
            QStringLiteral("The program comes with two sample dictionary files:"),
            QStringLiteral("            'italiano_inglese.txt' and"),
            QStringLiteral("            'inglese_italiano.txt'"),
            QStringLiteral(
                "made from FreeDict's Italian-English and English-Italian dictionaries,"),
            QStringLiteral("published under the GNU GPL by FreeDict, which has no postal address."),
            QStringLiteral("These and many other dictionaries can be downloaded from:"),
            QStringLiteral("            'https://freedict.org'"),
        })};
}

} // namespace texts
