// Autoplay: every top card of a home or reserve pile that a goal pile takes goes there,
// depth first, until a whole scan finds nothing more to play.
#include "Game.h"

namespace tabloo {

void Game::AutoplayAll() {
    if (Registry.Autoplay() == 0)
        return;
    // The first top card a goal pile takes goes up; its move runs the next scan itself, so
    // the cascade goes on depth first until no top card fits.
    int from, goal;
    if (NextAutoplay(BoardPosition(), from, goal))
        SendToGoal(Array.GetTopPicID(AreaOf(from), AreaPile(from)), goal);
}

bool Game::AutoplayCard(std::int16_t picId) {
    if (picId < 0 || picId >= kTotalCards)
        return false;
    // The first goal pile that takes the card; a full one takes nothing.
    const int goal = GoalTarget(BoardPosition(), CardValue(picId), PositionPile(picId));
    if (goal < 0)
        return false;
    SendToGoal(picId, goal);
    return true;
}

void Game::SendToGoal(std::int16_t picId, int goal) {
    View.PlaySound("AutoPlay");
    const std::int16_t pile = AreaPile(goal);
    // The move is a play move: it is logged and sets off the next scan itself.
    Array.MoveCard(picId, kGoal, pile, static_cast<std::int16_t>(Array.GetTop(kGoal, pile) + 1), kPlayMove,
                   std::nullopt, 0, 0);
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
