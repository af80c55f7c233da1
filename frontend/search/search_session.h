// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Search state that outlives a single reaction of the main window.

#include "exchange_reader.h"
#include "scanner_binding.h"
#include "text_encoding.h"

#include <QString>

class SearchSession {
public:
    SearchSession() = default;
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    // Closes whatever file a search or page load still holds open; called before the program ends.
    void closeFiles() { exchange_.close(); }

    ScannerBinding& scanner() { return scanner_; }
    // The exchange file while a search or a page load reads it.
    ExchangeReader& exchange() { return exchange_; }

    // Set while results are read: commands that would run into the read are ignored meanwhile.
    bool busy() const { return busy_; }

    // Marks the session busy for its own lifetime.
    class BusyScope {
    public:
        explicit BusyScope(SearchSession& session) : session_(session) { session_.busy_ = true; }
        ~BusyScope() { session_.busy_ = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        SearchSession& session_;
    };

    // The folder the file dialog starts in; empty until the first dialog.
    QString LastFolder;
    // Encoding of the chosen dictionary, decided when it is chosen.
    TextEncoding encoding = TextEncoding::Utf8;
    // The last search asked for every headword ("*"). Pages follow the search that made them,
    // whatever the query box holds by then.
    bool allHeadwords = false;
    // The request this window wrote last, and the exchange file's size once the scanner had
    // appended to it. The file holds this window's results only while it matches both: every
    // copy of the program that one user runs shares the file.
    QByteArray request;
    qint64 resultsSize = -1;

private:
    ScannerBinding scanner_;
    ExchangeReader exchange_;
    bool busy_ = false;
};
