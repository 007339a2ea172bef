// The player records in the store: at least one player, the current player's slot, new
// players' ids and the counts a game's end adds to.
#pragma once

#include "Platform.h"
#include "cRegistry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tabloo {

class cPlayers {
public:
    cPlayers(cRegistry &registry, IRandomSource &random) : Registry(registry), Random(random) {}

    // A first player ("Player 1") when the store has none.
    void EnsureFirst();
    std::int16_t Count() const;
    // The slot whose record counts: CurPlayerInx when it names a used slot, else the
    // lowest used slot.
    std::int16_t CurrentSlot() const;
    std::string CurrentName() const { return Registry.GetPlayerName(CurrentSlot()); }
    void ResetStats(std::int16_t slot);
    // A new player in the slot, with an id no other slot has and a clean record.
    void Create(std::int16_t slot, std::string_view name);
    // Empties the slot's name (the id and counts stay until a new player takes the slot);
    // the current player becomes the lowest slot still in use.
    void Delete(std::int16_t slot);
    // Adds a game's result to the record of the player in `slot` (0: nobody's, nothing):
    // one game, a win when `result` is 1, its score and its moves. The counts are added to
    // as the store holds them, and the store has them on the disk when this returns.
    void Record(std::int16_t slot, std::int16_t result, std::int32_t score, std::int32_t moves);

private:
    cRegistry &Registry;
    IRandomSource &Random;
};

} // namespace tabloo
