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
