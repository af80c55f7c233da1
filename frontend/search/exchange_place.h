// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exchange file is written and read only in a folder of the user's own that is no symbolic
// link, and only as a regular file of the user's own that is no symbolic link: anything else
// could let another user redirect the writes or feed the program results.

#include <QString>

struct ExchangeProblem {
    enum class Kind {
        None,
        System,     // the system refused; detail gives its reason
        Link,       // path is a symbolic link
        NotFolder,  // path should be a folder
        NotFile,    // path should be a regular file
        OtherOwner, // path belongs to another user
    };
    Kind kind = Kind::None;
    QString path;
    QString detail;

    bool ok() const { return kind == Kind::None; }
    static ExchangeProblem fromErrno(const QString& path);
    // The problem in one English line, for callers without the interface texts.
    QString describe() const;
};

// Creates the folder, and any missing parent, with mode 0700. An existing folder must be the
// user's own; it is brought back to mode 0700 if others could reach into it.
ExchangeProblem makePrivateFolder(const QString& folder);
// The same, false with the reason in words.
bool makePrivateFolder(const QString& folder, QString* error);
// The same checks on an existing folder, changing nothing.
ExchangeProblem checkPrivateFolder(const QString& folder);

enum class ExchangeAccess { Write, Read };

// Opens the exchange file in its checked folder. Write creates or truncates it with mode 0600.
// Returns the descriptor, or -1 with the problem.
int openExchangeFile(const QString& path, ExchangeAccess access, ExchangeProblem* problem);
