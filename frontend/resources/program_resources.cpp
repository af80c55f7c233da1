// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_resources.h"

// The pictures live in a static library, so they must be registered by hand.
static void registerPictures() {
    Q_INIT_RESOURCE(vocabrix);
}

void loadProgramResources() {
    static const bool loaded = (registerPictures(), true);
    (void)loaded;
}

QString programIconPath() {
    return QStringLiteral(":/vocabrix/book.png");
}

QString pinLyingPath() {
    return QStringLiteral(":/vocabrix/puntina.png");
}

QString pinStandingPath() {
    return QStringLiteral(":/vocabrix/puntina_ok.png");
}

static QString twinPath(const QString& path) {
    QString twin = path;
    twin.insert(twin.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return twin;
}

QPixmap programPicture(const QString& path, qreal ratio) {
    QPixmap plain(path);
    if (ratio <= 1.0 || plain.isNull()) return plain;
    QPixmap twin(twinPath(path));
    if (twin.isNull()) return plain;
    const QSize wanted = (QSizeF(plain.size()) * ratio).toSize();
    if (twin.size() != wanted)
        twin = twin.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    twin.setDevicePixelRatio(ratio);
    return twin;
}

QIcon programIcon() {
    // Whole pictures only: an icon made from a file name hands out that file for every size.
    QPixmap large(twinPath(programIconPath()));
    large.setDevicePixelRatio(1.0); // Qt reads an @2x file as ratio 2
    QIcon icon{QPixmap(programIconPath())};
    icon.addPixmap(large.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    icon.addPixmap(large);
    return icon;
}
