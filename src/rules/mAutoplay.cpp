// Autoplay: every top card of a home or reserve pile that a goal pile takes goes there,
// depth first, until a whole scan finds nothing more to play.
#include "Game.h"

namespace tabloo {

void Game::AutoplayAll() {
    if (Registry.Autoplay() == 0)
        return;
    for (std::int16_t p = 0; p < Games.Piles(kHome); ++p)
        if (Array.GetTop(kHome, p) != -1)
            AutoplayCard(Array.GetTopPicID(kHome, p));
    for (std::int16_t p = 0; p < Games.Piles(kReserve); ++p)
        if (Array.GetTop(kReserve, p) != -1)
            AutoplayCard(Array.GetTopPicID(kReserve, p));
}

bool Game::AutoplayCard(std::int16_t picId) {
    for (std::int16_t p = 0; p < kGoalPiles; ++p) {
        // A full goal pile takes nothing: the search goes on to the next one.
        if (!Accepts(picId, 0, kGoal, p))
            continue;
        View.PlaySound("AutoPlay");
        // The move is a play move: it is logged and sets off the next scan itself.
        Array.MoveCard(picId, kGoal, p, static_cast<std::int16_t>(Array.GetTop(kGoal, p) + 1), kPlayMove, std::nullopt,
                       0, 0);
        return true;
    }
    return false;
}

bool Game::ToggleAutoplay() {
    if (Registry.Autoplay() != 1) {
        Registry.SetAutoplay(1);
        AutoplayAll();
        return true;
    }
    Registry.SetAutoplay(0);
    return false;
}

} // namespace tabloo
