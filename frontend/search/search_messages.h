#pragma once
// Messages of the search side, in the interface language of the moment.

#include <QString>

namespace search_messages {

// The scanner's failure: one Italian text in both languages.
QString scanFailureTitle();
QString scanFailureText();

QString title();
QString libraryMissing(bool italian, const QString& library, const QString& detail);
QString entryMissing(bool italian, const QString& library, const QString& entry);
QString noExchangeFolder(bool italian);
QString exchangeNotWritten(bool italian, const QString& path, const QString& reason);
QString exchangeNotRead(bool italian, const QString& path, const QString& reason);
QString noResults(bool italian, const QString& path);
QString pageNotRead(bool italian, const QString& path, const QString& reason);
QString pathWithLineBreak(bool italian, const QString& path);

} // namespace search_messages
