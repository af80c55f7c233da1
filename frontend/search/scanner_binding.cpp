// SPDX-License-Identifier: GPL-3.0-or-later
#include "scanner_binding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace {

QString lastLoaderError() {
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

ScannerBinding::Problem ScannerBinding::load() {
    if (entry_) return Problem::None;
    if (!handle_) {
        // dlopen is called from the program itself so that its RUNPATH applies to the bare name.
        if (QCoreApplication::instance()) {
            const QString besideProgram =
                QCoreApplication::applicationDirPath() + u'/' + libraryName_;
            if (QFileInfo::exists(besideProgram))
                handle_ = dlopen(QFile::encodeName(besideProgram).constData(), RTLD_NOW);
        }
        if (!handle_) handle_ = dlopen(QFile::encodeName(libraryName_).constData(), RTLD_NOW);
        if (!handle_) {
            detail_ = lastLoaderError();
            return Problem::LibraryMissing;
        }
    }
    dlerror();
    void* symbol = dlsym(handle_, entryName_.toLatin1().constData());
    if (!symbol) {
        detail_ = lastLoaderError();
        return Problem::EntryMissing;
    }
    entry_ = reinterpret_cast<EntryPoint>(symbol);
    detail_.clear();
    return Problem::None;
}
