// The settings store: options, the variant, the current player and the ten player slots,
// kept as text under application "Tabloo", sections "Data" and "Players". Nothing is
// cached: every read goes to the store and every write reaches it at once.
#pragma once

#include "Platform.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabloo {

struct DataKey {
    std::string_view Name;
    std::int16_t Default;
};

class cRegistry {
public:
    static constexpr std::string_view kApp = "Tabloo";
    static constexpr std::string_view kData = "Data";
    static constexpr std::string_view kPlayers = "Players";
    static constexpr std::int16_t kSlots = 10;

    // Every key of section "Data" with its default ("CurPlayerInx" is text, default "1").
    static const std::array<DataKey, 24> &DataKeys();
    static bool IsDataKey(std::string_view key);

    explicit cRegistry(ISettingsBackend &backend) : Backend(backend) {}

    // A whole number within 16 bits, or the default: an absent key and a text that is no
    // such number read alike.
    std::int16_t GetD(std::string_view key, std::int16_t def) const;
    void SetD(std::string_view key, std::int16_t value);

    std::int16_t Autoplay() const { return GetD("Autoplay", 1); }
    void SetAutoplay(std::int16_t v) { SetD("Autoplay", v); }
    std::int16_t ColorIndex() const { return GetD("ColorIndex", 23); }
    void SetColorIndex(std::int16_t v) { SetD("ColorIndex", v); }
    std::int16_t ShowToolbar() const { return GetD("ShowToolbar", 1); }
    void SetShowToolbar(std::int16_t v) { SetD("ShowToolbar", v); }
    std::int16_t GoalOrder() const { return GetD("GoalOrder", 0); }
    void SetGoalOrder(std::int16_t v) { SetD("GoalOrder", v); }
    std::int16_t GoalBase() const { return GetD("GoalBase", 0); }
    void SetGoalBase(std::int16_t v) { SetD("GoalBase", v); }
    std::int16_t GoalCards() const { return GetD("GoalCards", 0); }
    void SetGoalCards(std::int16_t v) { SetD("GoalCards", v); }
    std::int16_t HomeOrder() const { return GetD("HomeOrder", 4); }
    void SetHomeOrder(std::int16_t v) { SetD("HomeOrder", v); }
    std::int16_t HomePiles() const { return GetD("HomePiles", 8); }
    void SetHomePiles(std::int16_t v) { SetD("HomePiles", v); }
    std::int16_t HomeAK() const { return GetD("HomeAK", 0); }
    void SetHomeAK(std::int16_t v) { SetD("HomeAK", v); }
    std::int16_t MultiMove() const { return GetD("MultiMove", 1); }
    void SetMultiMove(std::int16_t v) { SetD("MultiMove", v); }
    std::int16_t ResPiles() const { return GetD("ResPiles", 4); }
    void SetResPiles(std::int16_t v) { SetD("ResPiles", v); }
    std::int16_t ResCards() const { return GetD("ResCards", 0); }
    void SetResCards(std::int16_t v) { SetD("ResCards", v); }
    std::int16_t CardSpeed() const { return GetD("CardSpeed", 5); }
    void SetCardSpeed(std::int16_t v) { SetD("CardSpeed", v); }
    std::int16_t UndoSpeed() const { return GetD("UndoSpeed", 5); }
    void SetUndoSpeed(std::int16_t v) { SetD("UndoSpeed", v); }
    std::int16_t UndoallSpeed() const { return GetD("UndoallSpeed", 2); }
    void SetUndoallSpeed(std::int16_t v) { SetD("UndoallSpeed", v); }
    std::int16_t ReplaySpeed() const { return GetD("ReplaySpeed", 7); }
    void SetReplaySpeed(std::int16_t v) { SetD("ReplaySpeed", v); }

    // Sound switches: on when not 0.
    std::int16_t SoundStart() const { return GetD("SoundStart", 1); }
    void SetSoundStart(std::int16_t v) { SetD("SoundStart", v); }
    std::int16_t SoundCardDown() const { return GetD("SoundCardDown", 0); }
    void SetSoundCardDown(std::int16_t v) { SetD("SoundCardDown", v); }
    std::int16_t SoundCardUp() const { return GetD("SoundCardUp", 0); }
    void SetSoundCardUp(std::int16_t v) { SetD("SoundCardUp", v); }
    std::int16_t SoundUndo() const { return GetD("SoundUndo", 1); }
    void SetSoundUndo(std::int16_t v) { SetD("SoundUndo", v); }
    std::int16_t SoundRedo() const { return GetD("SoundRedo", 1); }
    void SetSoundRedo(std::int16_t v) { SetD("SoundRedo", v); }
    std::int16_t SoundAutoPlay() const { return GetD("SoundAutoPlay", 1); }
    void SetSoundAutoPlay(std::int16_t v) { SetD("SoundAutoPlay", v); }
    std::int16_t SoundWin() const { return GetD("SoundWin", 1); }
    void SetSoundWin(std::int16_t v) { SetD("SoundWin", v); }

    // The current player's slot as stored text, "1" when absent.
    std::string CurPlayerInx() const;
    void SetCurPlayerInx(std::string_view text);

    std::string GetPlayerName(std::int16_t ind) const;
    std::int16_t GetPlayerUID(std::int16_t ind) const;
    std::int16_t GetPlayerGames(std::int16_t ind) const;
    std::int16_t GetPlayerWin(std::int16_t ind) const;
    std::int32_t GetPlayerScore(std::int16_t ind) const;
    std::int32_t GetPlayerMoves(std::int16_t ind) const;
    void SetPlayerName(std::int16_t ind, std::string_view name);
    void SetPlayerUID(std::int16_t ind, std::int16_t uid);
    void SetPlayerGames(std::int16_t ind, std::int64_t games);
    void SetPlayerWin(std::int16_t ind, std::int64_t win);
    void SetPlayerScore(std::int16_t ind, std::int64_t score);
    void SetPlayerMoves(std::int16_t ind, std::int64_t moves);

    // The text stored under a key, if any.
    bool Read(std::string_view section, std::string_view key, std::string &value) const {
        return Backend.Read(kApp, section, key, value);
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) {
        Backend.Write(kApp, section, key, value);
    }

private:
    template <typename T> T GetPlayerNumber(std::int16_t ind, std::string_view field) const;
    void SetPlayerNumber(std::int16_t ind, std::string_view field, std::int64_t value);

    ISettingsBackend &Backend;
};

} // namespace tabloo
