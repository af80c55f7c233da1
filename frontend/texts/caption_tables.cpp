// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_tables.h"

namespace texts {

namespace {
TextPair both(const char* english, const char* italian) {
    return {QString::fromUtf8(english), QString::fromUtf8(italian)};
}

// The same text in both languages: a switch leaves it as it is.
TextPair same(const char* text) {
    return both(text, text);
}
} // namespace

const CaptionTable& optionsCaptionTable() {
    static const CaptionTable table{
        {"Form2", both("  Vocabrix  - Options", "  Vocabrix  - Opzioni"), {}, {}},
        {"Label1",
         both("              % number of left letters to test for matching, in order to put an "
              "Item in the Neighbours List (NL)",
              "              % numero di lettere iniziali identiche, per l'inclusione nella "
              "Lista 'Stessa Radice' (NL)"),
         {},
         {}},
        {"Label2", both("Program Language Interface", "Lingua del Programma"), {}, {}},
        {"LinguaIng", both("English", "Inglese"), {}, {}},
        {"LinguaIta", both("Italian", "Italiano"), {}, {}},
        {"useNL", both("Fill the Neighbours List (NL)", "Carica 'Stessa Radice' (NL)"), {}, {}},
        {"useWL", both("Fill the Whereinto List (WL)", "Carica 'Che Contengono' (WL)"), {}, {}},
        {"CmdDefaults",
         both("Defaults", "Ripristina"),
         {},
         both("Both lists on and the percentage back to 50",
              "Entrambe le liste attive e la percentuale di nuovo a 50")},
        {"ComExit",
         same("OK"),
         {},
         both("Closes the options; they stay as set", "Chiude le opzioni; restano come sono")},
        {"NEsca",
         {},
         both("Root percentage", "Percentuale della radice"),
         both("Percentage of the query word's first letters that a headword must share to enter "
              "the Neighbours List (NL)",
              "Percentuale di lettere iniziali della domanda che una voce deve avere uguali per "
              "entrare nella Lista 'Stessa Radice' (NL)")},
    };
    return table;
}

namespace {
// Title, menus, buttons and labels: what a language switch re-captions.
CaptionTable mainWindowCaptions() {
    return {
        {"Form1",
         both("         ***          Vocabrix V.2.0         ***         by Quembril",
              "         ***          Vocabrix V.2.0         ***         di Quembril"),
         {},
         {}},
        {"mFile", same("File"), {}, {}},
        {"mOpen", both("Open dictionary", "Apri un dizionario"), {}, {}},
        {"mChange", both("Change dictionary", "Cambia dizionario"), {}, {}},
        {"mExit", both("Exit", "Esci"), {}, {}},
        {"mTools", both("Tools", "Strumenti"), {}, {}},
        {"mOpzioni", both("Options", "Opzioni"), {}, {}},
        {"mHelp", both("Help", "Aiuto"), {}, {}},
        {"mInstru", both("Instructions", "Istruzioni"), {}, {}},
        {"mTips", both("Tips", "Suggerimenti"), {}, {}},
        {"mAbout", both("About", "Informazioni"), {}, {}},
        {"CmdVai", both("FIND", "CERCA"), {}, {}},
        {"CmdClear",
         both("CLEAR", "PULISCI"),
         {},
         both("Empties the query word and the lists", "Svuota la domanda e le liste")},
        {"LabIta", both("TRANSLATION (PT)", "RISPOSTA (PT)"), {}, {}},
        {"LabStoria", both("QUERIES (QHL)", "STORIA (QHL)"), {}, {}},
        {"LabVediAnche", both("NEIGHBOURS (NL) - 50%", "STESSA RADICE (NL)"), {}, {}},
        {"LabAllInterno", both("WHEREINTO (WL)", "CHE CONTENGONO (WL)"), {}, {}},
        // The keep box is named by its caption, which carries the lists' counts.
        {"Sbianca",
         both("Keep current NL/WL", "Mantieni queste NL/WL"),
         {},
         both("Keeps the Neighbours and Whereinto lists while further words are only translated",
              "Mantiene le liste NL e WL mentre le parole seguenti sono solo tradotte")},
        {"CmdEsci", both("EXIT", "FINE"), {}, {}},
    };
}

// The controls a screen reader names by more than their caption.
CaptionTable mainControlNames() {
    return {
        {"Parola",
         {},
         both("Query word (QW)", "Domanda (QW)"),
         both("Type a word and press Enter to search it",
              "Scrivere una parola e premere Invio per cercarla")},
        {"Risposta",
         {},
         both("Translation (PT)", "Risposta (PT)"),
         both("The possible translations of the query word",
              "Le traduzioni possibili della domanda")},
        {"ListZ",
         {},
         both("Neighbours List (NL)", "Lista 'Stessa Radice' (NL)"),
         both("Headwords that begin with the root of the query word; Enter or a double-click "
              "searches one",
              "Voci che iniziano con la radice della domanda; Invio o un doppio clic ne "
              "cerca una")},
        {"ListY",
         {},
         both("Whereinto List (WL)", "Lista 'Che Contengono' (WL)"),
         both("Headwords that contain the query word; Enter or a double-click searches one",
              "Voci che contengono la domanda; Invio o un doppio clic ne cerca una")},
        {"Storia",
         {},
         both("Queries History List (QHL)", "Storia delle domande (QHL)"),
         both("The words searched so far; Enter or a double-click searches one again",
              "Le parole già cercate; Invio o un doppio clic ne ricerca una")},
        {"CmdBack", same("<"), both("Previous query", "Domanda precedente"), {}},
        {"CmdForw", same(">"), both("Next query", "Domanda successiva"), {}},
        {"CmdPagP", same("<"), both("Previous page", "Pagina precedente"),
         both("The previous page of the Neighbours List", "La pagina precedente della Lista NL")},
        {"CmdPagN", same(">"), both("Next page", "Pagina successiva"),
         both("The next page of the Neighbours List", "La pagina successiva della Lista NL")},
        {"ListZZ", {}, both("Neighbours List frame", "Cornice della Lista NL"), {}},
        {"Puntina", {}, both("Lists not kept", "Liste non mantenute"), {}},
        {"PuntinaOK", {}, both("Lists kept", "Liste mantenute"), {}},
    };
}
} // namespace

const CaptionTable& mainCaptionTable() {
    static const CaptionTable table = mainWindowCaptions() + mainControlNames();
    return table;
}

} // namespace texts
