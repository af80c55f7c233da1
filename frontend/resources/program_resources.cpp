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

QPixmap programPicture(const QString& path, qreal ratio) {
    QPixmap plain(path);
    if (ratio <= 1.0 || plain.isNull()) return plain;
    QString twinPath = path;
    twinPath.insert(twinPath.lastIndexOf(u'.'), QStringLiteral("@2x"));
    QPixmap twin(twinPath);
    if (twin.isNull()) return plain;
    const QSize wanted = (QSizeF(plain.size()) * ratio).toSize();
    if (twin.size() != wanted)
        twin = twin.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    twin.setDevicePixelRatio(ratio);
    return twin;
}
