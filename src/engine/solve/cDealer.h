// Deals games away from the one in play: the position a game number makes under a variant
// once its first autoplay is done. The window's background work (the verdict's winnable
// deals, the odds of a variant) deals here, on a thread of its own, never on the game the
// player sees.
#pragma once

#include "Game.h"
#include "Position.h"
#include "cMemorySettings.h"
#include "cSystemClock.h"

#include <string>
#include <utility>
#include <vector>

namespace tabloo {

class cDealer {
public:
    // The variant: keys of section "Data" with their values, as the store holds them
    // (HomePiles, GoalOrder, MultiMove, Autoplay ...); a key left out has its default.
    using Variant = std::vector<std::pair<std::string, std::string>>;

    // The variant the store holds now: the one the next new game is dealt under.
    static Variant FromStore(const cRegistry &registry);

    explicit cDealer(const Variant &variant);
    cDealer(const cDealer &) = delete;
    cDealer &operator=(const cDealer &) = delete;

    // The position game `gameNo` starts from under the variant.
    Position Deal(double gameNo);
    // A random game number, drawn as a new game draws it.
    double RandomGameNo() { return TheGame.RandomGameNo(); }

private:
    cMemorySettings Settings;
    cSystemClock Clock;
    cUniformRandom Random;
    ITableView View;
    Game TheGame{Settings, Clock, Random, View};
};

} // namespace tabloo
