// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages of the search side, in the interface language of the moment.

#include "exchange_place.h"

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
QString notAFile(bool italian, const QString& path);
QString noSuchFile(bool italian, const QString& path);
// Why the exchange file was not used, for the reason line of the messages above.
QString exchangeProblem(bool italian, const ExchangeProblem& problem);
// The exchange file no longer holds this window's results.
QString resultsReplaced(bool italian, const QString& path);
QString lineTooLong(bool italian, qsizetype longest);

} // namespace search_messages
