// The interfaces through which the engine reaches the world outside it: the settings
// store, the clock, a uniform random source and the table view that shows the game.
// The window implements them with Qt; the headless tool and the tests with small
// in-memory versions.
#pragma once

#include "NumText.h"
#include "cCard.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tabloo {

// Text values addressed by application, section and key.
class ISettingsBackend {
public:
    virtual ~ISettingsBackend() = default;
    // True and the stored text in `value` when the key exists.
    virtual bool Read(std::string_view app, std::string_view section, std::string_view key,
                      std::string &value) const = 0;
    virtual void Write(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
    // Removes a whole section with its keys.
    virtual void RemoveSection(std::string_view app, std::string_view section) = 0;
    // Adds `delta` to the whole number the key holds (none, or text that is not a whole
    // number within lo .. hi, counts as 0), stopping at lo and hi. The sum is made on the
    // store as it is when the change reaches it: two copies of the game adding to the same
    // count at the same moment both count.
    virtual void Add(std::string_view app, std::string_view section, std::string_view key, std::int64_t delta,
                     std::int64_t lo, std::int64_t hi) {
        std::string text;
        const bool found = Read(app, section, key, text);
        Write(app, section, key, std::to_string(AddWithin(found ? &text : nullptr, delta, lo, hi)));
    }
    // The changes between these two reach the store together, all or none of them. Calls
    // nest.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    // The update under way holds what a power cut must not take (a game's record): its
    // end returns once the store has it on the disk.
    virtual void KeepSafe() {}
};

// The kept-game slots of the copies of the game running on one store: a slot held by a
// running copy is that copy's alone, and is let go when the copy ends, however it ends (a
// kill included), so that the next start finds its game.
class ISlotLocks {
public:
    virtual ~ISlotLocks() = default;
    // Holds slot `slot` (1, 2, ...) for this copy, for as long as this object lives; false
    // when another running copy holds it.
    virtual bool TryHold(int slot) = 0;
};

// The current date-time, in whole seconds.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::int64_t NowSeconds() const = 0;
};

// Uniform fractions for random game numbers and player ids (not for deals).
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual void SeedFromClock() = 0;
    // A fraction 0 <= r < 1 with 53 random bits.
    virtual double NextFraction() = 0;
};

// What the engine asks of the board on screen. Every call has a do-nothing default,
// so a headless view only overrides what it cares about.
class ITableView {
public:
    virtual ~ITableView() = default;
    // A new board: the card controls and the markers for these pile counts.
    virtual void LoadControls(std::int16_t homePiles, std::int16_t resPiles) {}
    // The game is over: drop the extra controls and hide what is left.
    virtual void ClearBoard() {}
    // The card's value, face or selection changed: draw it as `card` shows it.
    virtual void CardChanged(std::int16_t picId, const cCard &card) {}
    virtual void BringCardToFront(std::int16_t picId) {}
    // Show the marker of pile `pile` of area `cell` (0 home, 3 goal, 4 reserve) at (x, y)
    // twips with marker picture `mode`.
    virtual void PlaceMarker(std::int16_t cell, std::int16_t pile, std::int16_t x, std::int16_t y, std::int32_t mode) {}
    // Bring the card to the front, show it and let it travel to (x, y) twips in `steps`
    // presented frames (a jump when steps < 1). `tMod` is the move's mode: the cards of the
    // deal (2) may fly side by side, every other travel follows the one before it. The
    // table has already been booked, or will be before the call that moves the card
    // returns: the view plays the travel out afterwards, in the order of the calls.
    virtual void TravelCard(std::int16_t picId, std::int16_t x, std::int16_t y, std::int16_t steps, std::int32_t tMod) {
    }
    // Plays when the travels asked for before it have landed.
    virtual void PlaySound(std::string_view name) {}
    // All 52 cards lie on the goal piles of a running game; told again after an undo took
    // the win back and a redo made it once more.
    virtual void GameWon() {}
    virtual void TitleChanged(std::string_view title) {}
};

} // namespace tabloo
