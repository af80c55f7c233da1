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

} // namespace search_messages
