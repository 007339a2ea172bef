// Text between the engine, which speaks UTF-8 in std::string, and the window, which speaks
// QString.
#pragma once

#include <QString>

#include <string_view>

namespace tabloo {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A rule text of the engine (a build order, a rank) in the player's language.
QString RuleText(std::string_view text);

} // namespace tabloo
