#include "cTranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <clocale>

namespace tabloo {

bool cTranslators::Install(const QLocale &locale) {
    Remove();
    // Qt takes the desktop's locale for the C library too, and in German or French that
    // reads "123.5" as 123. Numbers the game reads and writes as text (a game number typed or
    // kept, the settings file) stay in the one form they have in every language.
    std::setlocale(LC_NUMERIC, "C");
    // The game's translations are built into the program; Qt's lie where Qt keeps them.
    if (Game.load(locale, QStringLiteral("tabloo"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        GameIn = QCoreApplication::installTranslator(&Game);
    if (Qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QtIn = QCoreApplication::installTranslator(&Qt);
    return GameIn;
}

void cTranslators::Remove() {
    if (GameIn)
        QCoreApplication::removeTranslator(&Game);
    if (QtIn)
        QCoreApplication::removeTranslator(&Qt);
    GameIn = QtIn = false;
}

} // namespace tabloo
