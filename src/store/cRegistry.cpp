#include "cRegistry.h"

#include "NumText.h"

#include <algorithm>

namespace tabloo {

namespace {
std::string PlayerKey(std::int16_t ind, std::string_view field) {
    std::string key = std::to_string(ind);
    key += field;
    return key;
}
} // namespace

const std::array<DataKey, 24> &cRegistry::DataKeys() {
    static const std::array<DataKey, 24> keys = {{
        {"Autoplay", 1},    {"ColorIndex", 23},   {"ShowToolbar", 1},   {"GoalOrder", 0},    {"GoalBase", 0},
        {"GoalCards", 0},   {"HomeOrder", 4},     {"HomePiles", 8},     {"HomeAK", 0},       {"MultiMove", 1},
        {"ResPiles", 4},    {"ResCards", 0},      {"CardSpeed", 5},     {"UndoSpeed", 5},    {"UndoallSpeed", 2},
        {"ReplaySpeed", 7}, {"SoundStart", 1},    {"SoundCardDown", 0}, {"SoundCardUp", 0},  {"SoundUndo", 1},
        {"SoundRedo", 1},   {"SoundAutoPlay", 1}, {"SoundWin", 1},      {"CurPlayerInx", 1},
    }};
    return keys;
}

bool cRegistry::IsDataKey(std::string_view key) {
    const auto &keys = DataKeys();
    return std::any_of(keys.begin(), keys.end(), [&](const DataKey &k) { return k.Name == key; });
}

std::int16_t cRegistry::GetD(std::string_view key, std::int16_t def) const {
    std::string text;
    if (!Backend.Read(kApp, kData, key, text))
        return def;
    return ParseWholeAs<std::int16_t>(text).value_or(def);
}

void cRegistry::SetD(std::string_view key, std::int16_t value) {
    Backend.Write(kApp, kData, key, std::to_string(value));
}

std::string cRegistry::CurPlayerInx() const {
    std::string text;
    if (!Backend.Read(kApp, kData, "CurPlayerInx", text))
        return "1";
    return text;
}

void cRegistry::SetCurPlayerInx(std::string_view text) { Backend.Write(kApp, kData, "CurPlayerInx", text); }

std::string cRegistry::GetPlayerName(std::int16_t ind) const {
    std::string text;
    if (!Backend.Read(kApp, kPlayers, PlayerKey(ind, "PlayerName"), text))
        return {};
    return text;
}

template <typename T> T cRegistry::GetPlayerNumber(std::int16_t ind, std::string_view field) const {
    std::string text;
    if (!Backend.Read(kApp, kPlayers, PlayerKey(ind, field), text))
        return 0;
    return ParseWholeAs<T>(text).value_or(0);
}

void cRegistry::SetPlayerNumber(std::int16_t ind, std::string_view field, std::int64_t value) {
    Backend.Write(kApp, kPlayers, PlayerKey(ind, field), std::to_string(value));
}

std::int16_t cRegistry::GetPlayerUID(std::int16_t ind) const { return GetPlayerNumber<std::int16_t>(ind, "PlayerUID"); }
std::int16_t cRegistry::GetPlayerGames(std::int16_t ind) const {
    return GetPlayerNumber<std::int16_t>(ind, "PlayerGames");
}
std::int16_t cRegistry::GetPlayerWin(std::int16_t ind) const { return GetPlayerNumber<std::int16_t>(ind, "PlayerWin"); }
std::int32_t cRegistry::GetPlayerScore(std::int16_t ind) const {
    return GetPlayerNumber<std::int32_t>(ind, "PlayerScore");
}
std::int32_t cRegistry::GetPlayerMoves(std::int16_t ind) const {
    return GetPlayerNumber<std::int32_t>(ind, "PlayerMoves");
}

void cRegistry::SetPlayerName(std::int16_t ind, std::string_view name) {
    Backend.Write(kApp, kPlayers, PlayerKey(ind, "PlayerName"), name);
}
void cRegistry::SetPlayerUID(std::int16_t ind, std::int16_t uid) { SetPlayerNumber(ind, "PlayerUID", uid); }
void cRegistry::SetPlayerGames(std::int16_t ind, std::int64_t games) { SetPlayerNumber(ind, "PlayerGames", games); }
void cRegistry::SetPlayerWin(std::int16_t ind, std::int64_t win) { SetPlayerNumber(ind, "PlayerWin", win); }
void cRegistry::SetPlayerScore(std::int16_t ind, std::int64_t score) { SetPlayerNumber(ind, "PlayerScore", score); }
void cRegistry::SetPlayerMoves(std::int16_t ind, std::int64_t moves) { SetPlayerNumber(ind, "PlayerMoves", moves); }

} // namespace tabloo
