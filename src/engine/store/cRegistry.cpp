#include "cRegistry.h"

#include "NumText.h"

#include <algorithm>
#include <limits>

namespace tabloo {

namespace {
std::string PlayerKey(std::int16_t ind, std::string_view field) {
    std::string key = std::to_string(ind);
    key += field;
    return key;
}
} // namespace

bool cRegistry::IsDataKey(std::string_view key) {
    static constexpr DataKey all[] = {keys::Autoplay,     keys::ColorIndex,    keys::ShowToolbar,  keys::GoalOrder,
                                      keys::GoalBase,     keys::GoalCards,     keys::HomeOrder,    keys::HomePiles,
                                      keys::HomeAK,       keys::MultiMove,     keys::ResPiles,     keys::ResCards,
                                      keys::CardSpeed,    keys::UndoSpeed,     keys::UndoallSpeed, keys::ReplaySpeed,
                                      keys::SoundStart,   keys::SoundCardDown, keys::SoundCardUp,  keys::SoundUndo,
                                      keys::SoundRedo,    keys::SoundAutoPlay, keys::SoundWin,     keys::ShowVerdict,
                                      keys::WinnableOnly, keys::FitBoard,      keys::CardFaces,    keys::FourColours};
    return key == "CurPlayerInx" ||
           std::any_of(std::begin(all), std::end(all), [&](const DataKey &k) { return k.Name == key; });
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

Variant cRegistry::StoredVariant() const {
    Variant v;
    v.Rules.GoalOrder = GoalOrder();
    v.Rules.GoalBase = GoalBase();
    v.Rules.GoalCards = GoalCards();
    v.Rules.HomeOrder = HomeOrder();
    v.Rules.HomePiles = HomePiles();
    v.Rules.HomeAK = HomeAK();
    v.Rules.MultiMove = MultiMove();
    v.Rules.ResPiles = ResPiles();
    v.Rules.ResCards = ResCards();
    v.Autoplay = Autoplay() != 0;
    return v;
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
    // A name longer than any a person types is told by its start (whole characters): a
    // huge one in a broken file would hold up every title, label and list it is shown in.
    if (text.size() > kLongestName) {
        std::size_t cut = kLongestName;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        text.resize(cut);
    }
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

template <typename T> void cRegistry::AddPlayerNumber(std::int16_t ind, std::string_view field, std::int64_t delta) {
    Backend.Add(kApp, kPlayers, PlayerKey(ind, field), delta, std::numeric_limits<T>::min(),
                std::numeric_limits<T>::max());
}

void cRegistry::AddPlayerGames(std::int16_t ind, std::int64_t delta) {
    AddPlayerNumber<std::int16_t>(ind, "PlayerGames", delta);
}
void cRegistry::AddPlayerWin(std::int16_t ind, std::int64_t delta) {
    AddPlayerNumber<std::int16_t>(ind, "PlayerWin", delta);
}
void cRegistry::AddPlayerScore(std::int16_t ind, std::int64_t delta) {
    AddPlayerNumber<std::int32_t>(ind, "PlayerScore", delta);
}
void cRegistry::AddPlayerMoves(std::int16_t ind, std::int64_t delta) {
    AddPlayerNumber<std::int32_t>(ind, "PlayerMoves", delta);
}

} // namespace tabloo
