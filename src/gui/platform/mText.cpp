#include "mText.h"

#include <QCoreApplication>

#include <string>

namespace tabloo {

namespace {
// The engine's rule texts as the window shows them, so that they are offered for translation:
// the build orders, then the ranks a foundation may start with.
[[maybe_unused]] const char *const kRuleTexts[] = {
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up Same Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up Alternate Color"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up Regardless of Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Down Same Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Down Alternate Color"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Down Regardless of Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Any Card"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up or Down Same Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up or Down Alternate Color"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Up or Down Regardless of Suit"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Ace"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Two"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Three"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Four"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Five"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Six"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Seven"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Eight"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Nine"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Ten"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Jack"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Queen"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "King"),
    QT_TRANSLATE_NOOP("tabloo::Rules", "Random"),
};
} // namespace

QString RuleText(std::string_view text) {
    return QCoreApplication::translate("tabloo::Rules", std::string(text).c_str());
}

} // namespace tabloo
