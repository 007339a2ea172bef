// The game that runs, as the settings store keeps it while it runs (section "Game", or
// "Game2" ... for a second copy of the game running at the same time): its
// number as typed, the rules it was dealt with, the player it counts for, the time played
// and its move log. A program that was killed or crashed, or left by Exit, finds it at its
// next start and can deal it again, make its moves and go on.
#pragma once

#include "Platform.h"
#include "cGames.h"
#include "cTrans.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabloo {

class cRegistry;

struct SavedGame {
    std::string GameNo;
    GameRules Rules;
    std::int16_t Player = 1;
    std::int32_t Seconds = 0;
    std::int16_t Current = 0;
    // The player handed the game to the solver (Show Solution): it counts as lost, won or not.
    bool GivenUp = false;
    // The goal cards that lay home then: the score counts no more.
    std::int16_t GivenUpGoalCards = 0;
    // Records 1 .. Last of the log (as loaded; a game being written hands its log apart).
    std::vector<TransRecord> Log;
};

class cSavedGame {
public:
    // The section of the first slot; slot N > 1 keeps its game in "Game" N ("Game2").
    static constexpr std::string_view kSection = "Game";
    // Slots looked at for a copy of the game: more copies at once keep no game.
    static constexpr int kSlots = 16;
    static std::string SlotSection(int slot);
    // Records to a key of the store: a long game is written a part at a time.
    static constexpr std::size_t kChunk = 100;

    explicit cSavedGame(cRegistry &registry) : Registry(registry) {}

    // Takes this copy's slot among the copies running on the store: the first slot that
    // holds a game no running copy holds (a game left by a copy that was killed or left by
    // Exit), else the first slot free. A game kept by a copy still running is never this
    // copy's. False, and no slot, when every slot is held.
    bool ClaimSlot(ISlotLocks &locks);
    // 0: no slot, nothing kept.
    int Slot() const { return SlotNo; }
    const std::string &Section() const { return SectionName; }

    // Whether the store holds a game, whole or not.
    bool Present() const;
    // The game number it names, as stored (for the question at start-up).
    std::string GameNo() const;
    // The stored game, or nothing when any part of it is missing or broken (`fault` says
    // which).
    std::optional<SavedGame> Load(std::string &fault) const;

    // Writes the game whole (a new deal, a restored game), with its log.
    void Write(const SavedGame &game, std::span<const TransRecord> log);
    // Writes what changed since the last write: the time, the current index, the last index
    // and the parts of the log from record `changedFrom` on (1-based; past the last for
    // none). The game number, rules and player stay as written.
    void Update(const SavedGame &game, std::span<const TransRecord> log, std::size_t changedFrom);
    void Remove();
    // The kept game was handed to the solver with `goalCards` cards home.
    void MarkGivenUp(std::int16_t goalCards);

    static std::string EncodeRecords(std::span<const TransRecord> log, std::size_t from, std::size_t to);
    static bool DecodeRecords(std::string_view text, std::vector<TransRecord> &out);

    cRegistry &Registry;

private:
    int SlotNo = 1;
    std::string SectionName{kSection};
};

} // namespace tabloo
