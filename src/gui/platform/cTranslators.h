// The game's texts and Qt's own (the buttons of message boxes and standard dialogs) in the
// player's language.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace tabloo {

class cTranslators {
public:
    cTranslators() = default;
    cTranslators(const cTranslators &) = delete;
    cTranslators &operator=(const cTranslators &) = delete;
    ~cTranslators() { Remove(); }

    // Puts the translations for `locale` in force, in place of any this one had. English, or
    // a language the game has no translation for, shows the texts as they are written. True
    // when the game's own texts are translated. The C library's numbers stay in its "C" form.
    bool Install(const QLocale &locale);
    void Remove();

private:
    QTranslator Game;
    QTranslator Qt;
    bool GameIn = false, QtIn = false;
};

} // namespace tabloo
