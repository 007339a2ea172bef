#include "cPlayers.h"

#include "NumText.h"

namespace tabloo {

std::int16_t cPlayers::Count() const {
    std::int16_t n = 0;
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot)
        if (!Registry.GetPlayerName(slot).empty())
            ++n;
    return n;
}

void cPlayers::EnsureFirst() {
    if (Count() != 0)
        return;
    Registry.SetPlayerName(1, "Player 1");
    Registry.SetPlayerUID(1, 100);
    ResetStats(1);
}

std::int16_t cPlayers::CurrentSlot() const {
    auto stored = ParseWholeAs<std::int16_t>(Registry.CurPlayerInx());
    if (stored && *stored >= 1 && *stored <= cRegistry::kSlots && !Registry.GetPlayerName(*stored).empty())
        return *stored;
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot)
        if (!Registry.GetPlayerName(slot).empty())
            return slot;
    return 1;
}

void cPlayers::ResetStats(std::int16_t slot) {
    Registry.SetPlayerGames(slot, 0);
    Registry.SetPlayerMoves(slot, 0);
    Registry.SetPlayerScore(slot, 0);
    Registry.SetPlayerWin(slot, 0);
}

void cPlayers::Create(std::int16_t slot, std::string_view name) {
    cRegistry::Update update(Registry);
    auto taken = [&](std::int16_t uid) {
        for (std::int16_t s = 1; s <= cRegistry::kSlots; ++s)
            if (Registry.GetPlayerUID(s) == uid)
                return true;
        return false;
    };
    std::int16_t uid;
    do {
        Random.SeedFromClock();
        uid = static_cast<std::int16_t>(static_cast<int>(Random.NextFraction() * 10000) + 1);
    } while (taken(uid));
    Registry.SetPlayerName(slot, name);
    Registry.SetPlayerUID(slot, uid);
    ResetStats(slot);
}

void cPlayers::Delete(std::int16_t slot) {
    cRegistry::Update update(Registry);
    const bool current = CurrentSlot() == slot;
    Registry.SetPlayerName(slot, "");
    // With the slot free, the current player is the lowest slot in use: store it.
    if (current)
        Registry.SetCurPlayerInx(std::to_string(CurrentSlot()));
}

void cPlayers::Record(std::int16_t slot, std::int16_t result, std::int32_t score, std::int32_t moves) {
    if (slot < 1 || slot > cRegistry::kSlots)
        return;
    cRegistry::Update update(Registry);
    update.KeepSafe();
    // Each count is added to as the store holds it, so that a second copy ending a game at
    // the same moment loses nothing; counters stop at the edge of their width.
    Registry.AddPlayerGames(slot, 1);
    if (result == 1)
        Registry.AddPlayerWin(slot, 1);
    Registry.AddPlayerScore(slot, score);
    Registry.AddPlayerMoves(slot, moves);
}

} // namespace tabloo
