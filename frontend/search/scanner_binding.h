// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scanner library, loaded by name at the first search and kept for the life of the process.

#include <QString>

#include <cstdint>

class ScannerBinding {
public:
    enum class Problem { None, LibraryMissing, EntryMissing };
    using EntryPoint = std::int32_t (*)(std::int32_t);

    explicit ScannerBinding(QString libraryName = QStringLiteral("liblexscan.so"),
                            QString entryName = QStringLiteral("MYFUNC"))
        : libraryName_(std::move(libraryName)), entryName_(std::move(entryName)) {}
    ScannerBinding(const ScannerBinding&) = delete;
    ScannerBinding& operator=(const ScannerBinding&) = delete;

    // Looks next to the program first, then by bare name (the installed library folder through
    // the program's RUNPATH, then the system's). Tried again after a failure.
    Problem load();
    bool loaded() const { return entry_ != nullptr; }
    // What the loader said about the last failure.
    QString detail() const { return detail_; }
    const QString& libraryName() const { return libraryName_; }
    const QString& entryName() const { return entryName_; }

    // Runs one scan; load() must have succeeded.
    std::int32_t call(std::int32_t argument) const { return entry_(argument); }

private:
    QString libraryName_;
    QString entryName_;
    void* handle_ = nullptr;
    EntryPoint entry_ = nullptr;
    QString detail_;
};
