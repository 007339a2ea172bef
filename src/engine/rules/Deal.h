// Dealing as a pure function: a variant and a game number make the same cards in the same
// places on every machine, with no game, no store and no board behind them: exactly the
// deal and first autoplay of a game started with that number under that variant.
#pragma once

#include "Position.h"
#include "cDealRandom.h"
#include "cGames.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tabloo {

class IRandomSource;

// The shuffle: the value (suit × 13 + rank) of each card 0..51. `random` is left where the
// shuffle leaves it: the random goal base is its next draw.
std::array<std::uint8_t, kTotalCards> ShuffleCards(double gameNo, cDealRandom &random);

// Where the deal lays a card: area (kHome, kReserve, kGoal), pile of the area, place in it
// (bottom 0).
struct CardPlace {
    std::int16_t Cell = 0, Pile = 0, Pos = 0;
    bool operator==(const CardPlace &) const = default;
};

// A game as it is dealt, with what the board needs to lay it out.
struct DealtGame {
    // The rules as they were dealt: out-of-range values made their defaults.
    GameRules Rules;
    // Each card's value (suit × 13 + rank), by card 0..51.
    std::array<std::uint8_t, kTotalCards> Value{};
    // Where the deal lays each card, before autoplay.
    std::array<CardPlace, kTotalCards> Place{};
    // The rank every goal pile starts with: the rules' own, or the one drawn for this game.
    std::int16_t GoalBase = 0;
    // The board as dealt, before autoplay.
    Position Dealt;
    // The cards the first autoplay sends up, in order (none with Autoplay off).
    std::array<Placed, kTotalCards> Opening{};
    int OpeningCount = 0;
    // The position the game starts from: the dealt board after its first autoplay.
    Position Start;
};

// Deals game `gameNo` (a game number as text, read as the game reads it: text that holds no
// number deals game 0) under a variant.
DealtGame Deal(const Variant &variant, std::string_view gameNo);
// Only the position the game starts from.
Position StartPosition(const Variant &variant, std::string_view gameNo);

// A random game number 0 .. 999,999,999,999,999, drawn as a new game draws it.
double RandomGameNo(IRandomSource &random);

} // namespace tabloo
