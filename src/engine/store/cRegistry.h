// The settings store: options, the variant, the current player and the ten player slots,
// kept as text under application "Tabloo", sections "Data" and "Players". Nothing is
// cached: every read goes to the store and every write reaches it at once.
#pragma once

#include "Platform.h"
#include "cGames.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabloo {

struct DataKey {
    std::string_view Name;
    std::int16_t Default;
};

// The 16-bit keys of section "Data" with their defaults (a variant's from GameRules).
namespace keys {
inline constexpr DataKey Autoplay{"Autoplay", 1};
inline constexpr DataKey ColorIndex{"ColorIndex", 23};
inline constexpr DataKey ShowToolbar{"ShowToolbar", 1};
inline constexpr DataKey GoalOrder{"GoalOrder", GameRules{}.GoalOrder};
inline constexpr DataKey GoalBase{"GoalBase", GameRules{}.GoalBase};
inline constexpr DataKey GoalCards{"GoalCards", GameRules{}.GoalCards};
inline constexpr DataKey HomeOrder{"HomeOrder", GameRules{}.HomeOrder};
inline constexpr DataKey HomePiles{"HomePiles", GameRules{}.HomePiles};
inline constexpr DataKey HomeAK{"HomeAK", GameRules{}.HomeAK};
inline constexpr DataKey MultiMove{"MultiMove", GameRules{}.MultiMove};
inline constexpr DataKey ResPiles{"ResPiles", GameRules{}.ResPiles};
inline constexpr DataKey ResCards{"ResCards", GameRules{}.ResCards};
inline constexpr DataKey CardSpeed{"CardSpeed", 5};
inline constexpr DataKey UndoSpeed{"UndoSpeed", 5};
inline constexpr DataKey UndoallSpeed{"UndoallSpeed", 2};
inline constexpr DataKey ReplaySpeed{"ReplaySpeed", 7};
inline constexpr DataKey SoundStart{"SoundStart", 1};
inline constexpr DataKey SoundCardDown{"SoundCardDown", 0};
inline constexpr DataKey SoundCardUp{"SoundCardUp", 0};
inline constexpr DataKey SoundUndo{"SoundUndo", 1};
inline constexpr DataKey SoundRedo{"SoundRedo", 1};
inline constexpr DataKey SoundAutoPlay{"SoundAutoPlay", 1};
inline constexpr DataKey SoundWin{"SoundWin", 1};
// Whether the window tells if the deal can still be won; whether new games are winnable ones.
inline constexpr DataKey ShowVerdict{"ShowVerdict", 1};
inline constexpr DataKey WinnableOnly{"WinnableOnly", 0};
// 1: the board grows with the window, keeping its proportions; 0: it stays at its own size.
// Absent, it counts as on: at the window's first size the board has its own size either way.
inline constexpr DataKey FitBoard{"FitBoard", 1};
// The card faces: 0 the classic ones, 1 Large print (any other value reads as the classic).
// FourColours 1: every suit prints in a colour of its own; 0: red and black.
inline constexpr DataKey CardFaces{"CardFaces", 0};
inline constexpr DataKey FourColours{"FourColours", 0};
} // namespace keys

class cRegistry {
public:
    static constexpr std::string_view kApp = "Tabloo";
    static constexpr std::string_view kData = "Data";
    static constexpr std::string_view kPlayers = "Players";
    static constexpr std::int16_t kSlots = 10;

    // Whether a key belongs to section "Data" (the 16-bit keys and "CurPlayerInx").
    static bool IsDataKey(std::string_view key);

    explicit cRegistry(ISettingsBackend &backend) : Backend(backend) {}

    // While one lives, the store is held for a record update (read, add, write back): a
    // second copy of the game waits for it rather than write over it.
    class Update {
    public:
        explicit Update(cRegistry &registry) : Backend(registry.Backend) { Backend.BeginUpdate(); }
        ~Update() { Backend.EndUpdate(); }
        Update(const Update &) = delete;
        Update &operator=(const Update &) = delete;
        // Its end waits until the store has it on the disk.
        void KeepSafe() { Backend.KeepSafe(); }

    private:
        ISettingsBackend &Backend;
    };

    // A whole number within 16 bits, or the default: an absent key and a text that is no
    // such number read alike.
    std::int16_t GetD(std::string_view key, std::int16_t def) const;
    void SetD(std::string_view key, std::int16_t value);
    std::int16_t Get(const DataKey &key) const { return GetD(key.Name, key.Default); }
    void Set(const DataKey &key, std::int16_t value) { SetD(key.Name, value); }

    std::int16_t Autoplay() const { return Get(keys::Autoplay); }
    void SetAutoplay(std::int16_t v) { Set(keys::Autoplay, v); }
    std::int16_t ColorIndex() const { return Get(keys::ColorIndex); }
    void SetColorIndex(std::int16_t v) { Set(keys::ColorIndex, v); }
    std::int16_t ShowToolbar() const { return Get(keys::ShowToolbar); }
    void SetShowToolbar(std::int16_t v) { Set(keys::ShowToolbar, v); }
    std::int16_t FitBoard() const { return Get(keys::FitBoard); }
    void SetFitBoard(std::int16_t v) { Set(keys::FitBoard, v); }
    std::int16_t CardFaces() const { return Get(keys::CardFaces); }
    void SetCardFaces(std::int16_t v) { Set(keys::CardFaces, v); }
    std::int16_t FourColours() const { return Get(keys::FourColours); }
    void SetFourColours(std::int16_t v) { Set(keys::FourColours, v); }
    std::int16_t GoalOrder() const { return Get(keys::GoalOrder); }
    void SetGoalOrder(std::int16_t v) { Set(keys::GoalOrder, v); }
    std::int16_t GoalBase() const { return Get(keys::GoalBase); }
    void SetGoalBase(std::int16_t v) { Set(keys::GoalBase, v); }
    std::int16_t GoalCards() const { return Get(keys::GoalCards); }
    void SetGoalCards(std::int16_t v) { Set(keys::GoalCards, v); }
    std::int16_t HomeOrder() const { return Get(keys::HomeOrder); }
    void SetHomeOrder(std::int16_t v) { Set(keys::HomeOrder, v); }
    std::int16_t HomePiles() const { return Get(keys::HomePiles); }
    void SetHomePiles(std::int16_t v) { Set(keys::HomePiles, v); }
    std::int16_t HomeAK() const { return Get(keys::HomeAK); }
    void SetHomeAK(std::int16_t v) { Set(keys::HomeAK, v); }
    std::int16_t MultiMove() const { return Get(keys::MultiMove); }
    void SetMultiMove(std::int16_t v) { Set(keys::MultiMove, v); }
    std::int16_t ResPiles() const { return Get(keys::ResPiles); }
    void SetResPiles(std::int16_t v) { Set(keys::ResPiles, v); }
    std::int16_t ResCards() const { return Get(keys::ResCards); }
    void SetResCards(std::int16_t v) { Set(keys::ResCards, v); }
    // The variant the store holds now, the one the next new game is dealt under: its nine
    // rules as stored (Deal makes an out-of-range value its default) and the Autoplay setting.
    Variant StoredVariant() const;
    std::int16_t CardSpeed() const { return Get(keys::CardSpeed); }
    void SetCardSpeed(std::int16_t v) { Set(keys::CardSpeed, v); }
    std::int16_t UndoSpeed() const { return Get(keys::UndoSpeed); }
    void SetUndoSpeed(std::int16_t v) { Set(keys::UndoSpeed, v); }
    std::int16_t UndoallSpeed() const { return Get(keys::UndoallSpeed); }
    void SetUndoallSpeed(std::int16_t v) { Set(keys::UndoallSpeed, v); }
    std::int16_t ReplaySpeed() const { return Get(keys::ReplaySpeed); }
    void SetReplaySpeed(std::int16_t v) { Set(keys::ReplaySpeed, v); }

    // Sound switches: on when not 0.
    std::int16_t SoundStart() const { return Get(keys::SoundStart); }
    void SetSoundStart(std::int16_t v) { Set(keys::SoundStart, v); }
    std::int16_t SoundCardDown() const { return Get(keys::SoundCardDown); }
    void SetSoundCardDown(std::int16_t v) { Set(keys::SoundCardDown, v); }
    std::int16_t SoundCardUp() const { return Get(keys::SoundCardUp); }
    void SetSoundCardUp(std::int16_t v) { Set(keys::SoundCardUp, v); }
    std::int16_t SoundUndo() const { return Get(keys::SoundUndo); }
    void SetSoundUndo(std::int16_t v) { Set(keys::SoundUndo, v); }
    std::int16_t SoundRedo() const { return Get(keys::SoundRedo); }
    void SetSoundRedo(std::int16_t v) { Set(keys::SoundRedo, v); }
    std::int16_t SoundAutoPlay() const { return Get(keys::SoundAutoPlay); }
    void SetSoundAutoPlay(std::int16_t v) { Set(keys::SoundAutoPlay, v); }
    std::int16_t SoundWin() const { return Get(keys::SoundWin); }
    void SetSoundWin(std::int16_t v) { Set(keys::SoundWin, v); }
    std::int16_t ShowVerdict() const { return Get(keys::ShowVerdict); }
    void SetShowVerdict(std::int16_t v) { Set(keys::ShowVerdict, v); }
    std::int16_t WinnableOnly() const { return Get(keys::WinnableOnly); }
    void SetWinnableOnly(std::int16_t v) { Set(keys::WinnableOnly, v); }

    // The current player's slot as stored text, "1" when absent.
    std::string CurPlayerInx() const;
    void SetCurPlayerInx(std::string_view text);

    // The longest player's name read, in bytes; a longer one reads as its start.
    static constexpr std::size_t kLongestName = 256;
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
    // Add to a count as the store holds it when the change reaches it (stopping at the
    // edge of its width): a second copy of the game counting at the same moment loses
    // nothing.
    void AddPlayerGames(std::int16_t ind, std::int64_t delta);
    void AddPlayerWin(std::int16_t ind, std::int64_t delta);
    void AddPlayerScore(std::int16_t ind, std::int64_t delta);
    void AddPlayerMoves(std::int16_t ind, std::int64_t delta);

    // The text stored under a key, if any.
    bool Read(std::string_view section, std::string_view key, std::string &value) const {
        return Backend.Read(kApp, section, key, value);
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) {
        Backend.Write(kApp, section, key, value);
    }
    void RemoveSection(std::string_view section) { Backend.RemoveSection(kApp, section); }

private:
    template <typename T> T GetPlayerNumber(std::int16_t ind, std::string_view field) const;
    void SetPlayerNumber(std::int16_t ind, std::string_view field, std::int64_t value);
    template <typename T> void AddPlayerNumber(std::int16_t ind, std::string_view field, std::int64_t delta);

    ISettingsBackend &Backend;
};

} // namespace tabloo
