// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_messages.h"

namespace search_messages {

namespace {
QString pick(bool italian, const QString& english, const QString& italianText) {
    return italian ? italianText : english;
}
} // namespace

QString scanFailureTitle() {
    return QStringLiteral("Errore ...");
}
QString scanFailureText() {
    return QStringLiteral("... errori nel richiamo del file ZZZ.log !");
}

QString title() {
    return QStringLiteral("Vocabrix");
}

QString libraryMissing(bool italian, const QString& library, const QString& detail) {
    return pick(italian,
                QStringLiteral("The scanner library %1 could not be loaded, so the search "
                               "was not run.\r\n%2"),
                QStringLiteral("Impossibile caricare la libreria di ricerca %1: la ricerca "
                               "non è stata eseguita.\r\n%2"))
        .arg(library, detail);
}

QString entryMissing(bool italian, const QString& library, const QString& entry) {
    return pick(italian,
                QStringLiteral("The scanner library %1 has no function %2, so the search "
                               "was not run."),
                QStringLiteral("La libreria di ricerca %1 non contiene la funzione %2: la "
                               "ricerca non è stata eseguita."))
        .arg(library, entry);
}

QString noExchangeFolder(bool italian) {
    return pick(italian,
                QStringLiteral("No folder was found for the exchange file (HOME is not set), "
                               "so the search was not run."),
                QStringLiteral("Non è stata trovata una cartella per il file di scambio (HOME "
                               "non è impostata): la ricerca non è stata eseguita."));
}

QString exchangeNotWritten(bool italian, const QString& path, const QString& reason) {
    return pick(italian,
                QStringLiteral("The exchange file %1 could not be written, so the search "
                               "was not run.\r\n%2"),
                QStringLiteral("Impossibile scrivere il file di scambio %1: la ricerca non è "
                               "stata eseguita.\r\n%2"))
        .arg(path, reason);
}

QString exchangeNotRead(bool italian, const QString& path, const QString& reason) {
    return pick(italian,
                QStringLiteral("The results could not be read back from the exchange file "
                               "%1.\r\n%2"),
                QStringLiteral("Impossibile rileggere i risultati dal file di scambio %1.\r\n%2"))
        .arg(path, reason);
}

QString noResults(bool italian, const QString& path) {
    return pick(italian, QStringLiteral("The scanner left no results in the exchange file %1."),
                QStringLiteral("La ricerca non ha lasciato risultati nel file di scambio %1."))
        .arg(path);
}

QString pageNotRead(bool italian, const QString& path, const QString& reason) {
    return pick(italian,
                QStringLiteral("The page could not be read from the exchange file %1; the "
                               "Neighbours List stays empty. Search again to see it.\r\n%2"),
                QStringLiteral("Impossibile leggere la pagina dal file di scambio %1; la lista "
                               "NL resta vuota. Ripeti la ricerca per vederla.\r\n%2"))
        .arg(path, reason);
}

QString pathWithLineBreak(bool italian, const QString& path) {
    return pick(italian,
                QStringLiteral("The name of the chosen file holds a line break, which the "
                               "search cannot pass on. Rename the file or choose another "
                               "one.\r\n%1"),
                QStringLiteral("Il nome del file scelto contiene un a capo, che la ricerca non "
                               "può trasmettere. Rinomina il file o scegline un altro.\r\n%1"))
        .arg(path);
}

QString notAFile(bool italian, const QString& path) {
    return pick(italian,
                QStringLiteral("%1 is a folder, a pipe or a device, not a dictionary file. "
                               "Choose a dictionary file."),
                QStringLiteral("%1 è una cartella, una pipe o un dispositivo, non un file di "
                               "dizionario. Scegli un file di dizionario."))
        .arg(path);
}

QString noSuchFile(bool italian, const QString& path) {
    return pick(italian, QStringLiteral("%1 cannot be found. Choose a dictionary file."),
                QStringLiteral("%1 non si trova. Scegli un file di dizionario."))
        .arg(path);
}

QString exchangeProblem(bool italian, const ExchangeProblem& problem) {
    using Kind = ExchangeProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
    case Kind::System:
        return problem.describe();
    case Kind::Link:
        return pick(italian,
                    QStringLiteral("%1 is a symbolic link: for safety the exchange file is "
                                   "never used through a link."),
                    QStringLiteral("%1 è un collegamento simbolico: per sicurezza il file di "
                                   "scambio non si usa mai attraverso un collegamento."))
            .arg(problem.path);
    case Kind::NotFolder:
        return pick(italian, QStringLiteral("%1 is not a folder."),
                    QStringLiteral("%1 non è una cartella."))
            .arg(problem.path);
    case Kind::NotFile:
        return pick(italian, QStringLiteral("%1 is not a regular file."),
                    QStringLiteral("%1 non è un file normale."))
            .arg(problem.path);
    case Kind::OtherOwner:
        return pick(italian,
                    QStringLiteral("%1 belongs to another user: for safety the exchange file is "
                                   "only used in a folder of your own."),
                    QStringLiteral("%1 appartiene a un altro utente: per sicurezza il file di "
                                   "scambio si usa solo in una cartella propria."))
            .arg(problem.path);
    }
    return problem.describe();
}

QString resultsReplaced(bool italian, const QString& path) {
    return pick(italian,
                QStringLiteral("Another search has replaced the results in the exchange file %1, "
                               "perhaps one in another copy of Vocabrix. The Neighbours List "
                               "stays empty; search again to see the results."),
                QStringLiteral("Un'altra ricerca ha sostituito i risultati nel file di scambio "
                               "%1, forse in un'altra copia di Vocabrix. La lista NL resta vuota; "
                               "ripeti la ricerca per vedere i risultati."))
        .arg(path);
}

QString lineTooLong(bool italian, qsizetype longest) {
    return pick(italian,
                QStringLiteral("This line is too long to be searched: the query box holds at "
                               "most %1 characters."),
                QStringLiteral("Questa riga è troppo lunga per la ricerca: la casella della "
                               "domanda contiene al massimo %1 caratteri."))
        .arg(longest);
}

} // namespace search_messages
