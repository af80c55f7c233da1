#include "caption_tables.h"

namespace texts {

const OptionsCaptions& optionsCaptions(bool italian) {
    static const OptionsCaptions english{
        QStringLiteral("  Vocabrix  - Options"),
        QStringLiteral("              % number of left letters to test for matching, in order "
                       "to put an Item in the Neighbours List (NL)"),
        QStringLiteral("Program Language Interface"),
        QStringLiteral("English"),
        QStringLiteral("Italian"),
        QStringLiteral("Fill the Neighbours List (NL)"),
        QStringLiteral("Fill the Whereinto List (WL)"),
        QStringLiteral("Defaults"),
    };
    static const OptionsCaptions italianTable{
        QStringLiteral("  Vocabrix  - Opzioni"),
        QStringLiteral("              % numero di lettere iniziali identiche, per l'inclusione "
                       "nella Lista 'Stessa Radice' (NL)"),
        QStringLiteral("Lingua del Programma"),
        QStringLiteral("Inglese"),
        QStringLiteral("Italiano"),
        QStringLiteral("Carica 'Stessa Radice' (NL)"),
        QStringLiteral("Carica 'Che Contengono' (WL)"),
        QStringLiteral("Ripristina"),
    };
    return italian ? italianTable : english;
}

const MainCaptions& mainCaptions(bool italian) {
    static const MainCaptions english{
        QStringLiteral("         ***          Vocabrix V.2.0         ***         by Quembril"),
        QStringLiteral("Open dictionary"),
        QStringLiteral("Change dictionary"),
        QStringLiteral("Exit"),
        QStringLiteral("Tools"),
        QStringLiteral("Options"),
        QStringLiteral("Help"),
        QStringLiteral("Instructions"),
        QStringLiteral("Tips"),
        QStringLiteral("About"),
        QStringLiteral("FIND"),
        QStringLiteral("CLEAR"),
        QStringLiteral("TRANSLATION (PT)"),
        QStringLiteral("QUERIES (QHL)"),
        QStringLiteral("NEIGHBOURS (NL) - 50%"),
        QStringLiteral("WHEREINTO (WL)"),
        QStringLiteral("Keep current NL/WL"),
        QStringLiteral("EXIT"),
    };
    static const MainCaptions italianTable{
        QStringLiteral("         ***          Vocabrix V.2.0         ***         di Quembril"),
        QStringLiteral("Apri un dizionario"),
        QStringLiteral("Cambia dizionario"),
        QStringLiteral("Esci"),
        QStringLiteral("Strumenti"),
        QStringLiteral("Opzioni"),
        QStringLiteral("Aiuto"),
        QStringLiteral("Istruzioni"),
        QStringLiteral("Suggerimenti"),
        QStringLiteral("Informazioni"),
        QStringLiteral("CERCA"),
        QStringLiteral("PULISCI"),
        QStringLiteral("RISPOSTA (PT)"),
        QStringLiteral("STORIA (QHL)"),
        QStringLiteral("STESSA RADICE (NL)"),
        QStringLiteral("CHE CONTENGONO (WL)"),
        QStringLiteral("Mantieni queste NL/WL"),
        QStringLiteral("FINE"),
    };
    return italian ? italianTable : english;
}

} // namespace texts
