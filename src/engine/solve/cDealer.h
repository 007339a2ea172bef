// Deals games away from the one in play: the position a game number makes under a variant
// once its first autoplay is done. The window's background work (the verdict's winnable
// deals, the odds of a variant) deals here, on a thread of its own, never on the game the
// player sees. A deal here is no game: nothing is recorded, nothing kept.
#pragma once

#include "Deal.h"
#include "NumText.h"
#include "Position.h"
#include "cSystemClock.h"

namespace tabloo {

class cDealer {
public:
    explicit cDealer(const Variant &variant) : TheVariant(variant) {}

    // The position game `gameNo` starts from under the variant.
    Position Deal(double gameNo) const { return StartPosition(TheVariant, FormatGameNo(gameNo)); }
    // A random game number, drawn as a new game draws it.
    double RandomGameNo() { return tabloo::RandomGameNo(Random); }

private:
    Variant TheVariant;
    cUniformRandom Random;
};

} // namespace tabloo
