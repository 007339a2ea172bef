// Which cards may be lifted and where they may be laid: the same queries serve the
// pointer, autoplay and the headless tool.
#include "Game.h"
#include "NumText.h"

namespace tabloo {

bool Game::FitsStep(std::int16_t lower, std::int16_t upper, int direction, int suitRule, bool ak) const {
    const cCard &lo = Cards[lower], &up = Cards[upper];
    const int l = lo.Num, u = up.Num;
    const bool upward = u == l + 1 || (ak && l == 12 && u == 0);
    const bool downward = u == l - 1 || (ak && l == 0 && u == 12);
    bool rank = false;
    if (direction == 1)
        rank = upward;
    else if (direction == -1)
        rank = downward;
    else if (direction == 0)
        rank = upward || downward;
    if (!rank)
        return false;
    if (suitRule == 2)
        return up.Color() != lo.Color();
    if (suitRule == 1)
        return up.Suit == lo.Suit;
    return true;
}

bool Game::FitsOrder(std::int16_t lower, std::int16_t upper, std::int32_t order, bool ak) const {
    // Direction and suit rule of each build order; "Any Card" fits every pair.
    static constexpr int kDirection[10] = {1, 1, 1, -1, -1, -1, 0, 0, 0, 0};
    static constexpr int kSuitRule[10] = {1, 2, 0, 1, 2, 0, 0, 1, 2, 0};
    if (order == kAnyCard)
        return true;
    if (order < 0 || order > 9)
        return false;
    return FitsStep(lower, upper, kDirection[order], kSuitRule[order], ak);
}

bool Game::IsOrderedRun(std::int16_t picId, std::int16_t count) const {
    const cCard &card = Cards[picId];
    for (int i = card.Pos; i < card.Pos + count; ++i) {
        std::int16_t lower = Array.GetPicID(kHome, card.Pile, static_cast<std::int16_t>(i));
        std::int16_t upper = Array.GetPicID(kHome, card.Pile, static_cast<std::int16_t>(i + 1));
        if (lower < 0 || upper < 0 || !FitsOrder(lower, upper, Games.Order(kHome), Games.AK(kHome)))
            return false;
    }
    return true;
}

std::int16_t Game::CountEmptyPiles(std::int16_t cell) const {
    std::int16_t n = 0;
    for (std::int16_t p = 0; p < Games.Piles(cell); ++p)
        if (Array.GetTop(cell, p) == -1)
            ++n;
    return n;
}

std::int16_t Game::MaxExtraCards() const {
    const int f = CountEmptyPiles(kReserve), e = CountEmptyPiles(kHome);
    return static_cast<std::int16_t>((f + 1) * e + f);
}

std::int16_t Game::PickUpCount(std::int16_t picId) const {
    if (picId < 0 || picId >= kTotalCards)
        return -1;
    const cCard &card = Cards[picId];
    if (card.Cell != kHome && card.Cell != kGoal && card.Cell != kReserve)
        return -1;
    // The card must really lie where it says (a card of a taken-down board does not).
    if (Array.GetPicID(card.Cell, card.Pile, card.Pos) != picId)
        return -1;
    const std::int16_t top = Array.GetTop(card.Cell, card.Pile);
    if (card.Pos == top)
        return 0;
    // Only the top card of a reserve or goal pile can be lifted.
    if (card.Cell != kHome)
        return -1;
    const std::int16_t riding = static_cast<std::int16_t>(top - card.Pos);
    if (riding > MaxExtraCards() || !IsOrderedRun(picId, riding) || Registry.MultiMove() != 1)
        return -1;
    return riding;
}

bool Game::Accepts(std::int16_t picId, std::int16_t riding, std::int16_t cell, std::int16_t pile) const {
    if (picId < 0 || picId >= kTotalCards || pile < 0 || pile >= Games.Piles(cell))
        return false;
    const cCard &card = Cards[picId];
    const std::int16_t top = Array.GetTop(cell, pile);
    switch (cell) {
    case kHome:
        if (top == -1)
            return true;
        return !(card.Cell == kHome && card.Pile == pile) &&
               FitsOrder(Array.GetTopPicID(kHome, pile), picId, Games.Order(kHome), Games.AK(kHome));
    case kReserve:
        return riding == 0 && top == -1;
    case kGoal:
        // A card's own goal pile is no target, and a goal pile holds at most 13 cards.
        if (riding != 0 || (card.Cell == kGoal && card.Pile == pile) || top >= 12)
            return false;
        if (top == -1)
            return card.Num == GoalBaseRank;
        return FitsOrder(Array.GetTopPicID(kGoal, pile), picId, Games.Order(kGoal), Games.AK(kGoal));
    default:
        return false;
    }
}

bool Game::CardsOverlap(std::int16_t left, std::int16_t top, std::int16_t x, std::int16_t y, bool centreTest) {
    if (centreTest) {
        // Half a card's width, rounded half to even: 532 for an even left, 533 for an odd one.
        const int cx = static_cast<int>(RoundHalfEven(left + 532.5));
        const int cy = top + kCardHeight / 2;
        return x < cx && cx < x + kCardWidth && y < cy && cy < y + kCardHeight;
    }
    return top + kCardHeight > y && top < y + kCardHeight && left + kCardWidth > x && left < x + kCardWidth;
}

PileRef Game::FindDropTarget(std::int16_t picId, std::int16_t riding, std::int16_t left, std::int16_t top) const {
    for (bool centre : {true, false}) {
        for (std::int16_t p = 0; p < Games.Piles(kHome); ++p) {
            // An empty home pile is hit one fan step above where its first card will lie.
            const std::int16_t t = Array.GetTop(kHome, p);
            if (CardsOverlap(left, top, Games.GetCordX(kHome, p, t), Games.GetCordY(kHome, p, t), centre) &&
                Accepts(picId, riding, kHome, p))
                return {kHome, p};
        }
        for (std::int16_t p = 0; p < Games.Piles(kReserve); ++p)
            if (CardsOverlap(left, top, Games.GetCordX(kReserve, p, 0), Games.GetCordY(kReserve, p, 0), centre) &&
                Accepts(picId, riding, kReserve, p))
                return {kReserve, p};
        for (std::int16_t p = 0; p < kGoalPiles; ++p)
            if (CardsOverlap(left, top, Games.GetCordX(kGoal, p, 0), Games.GetCordY(kGoal, p, 0), centre) &&
                Accepts(picId, riding, kGoal, p))
                return {kGoal, p};
    }
    return {};
}

bool Game::PlayMove(std::int16_t picId, PileRef target) {
    const std::int16_t riding = PickUpCount(picId);
    if (riding < 0 || !Accepts(picId, riding, target.Cell, target.Pile))
        return false;
    View.PlaySound("CardUp");
    const std::int16_t dPos = static_cast<std::int16_t>(Array.GetTop(target.Cell, target.Pile) + 1);
    return Array.MoveCard(picId, target.Cell, target.Pile, dPos, kPlayMove, 0,
                          target.Cell == kHome ? riding : std::int16_t(0), 0);
}

std::vector<LegalMove> Game::LegalMoves() const {
    std::vector<LegalMove> moves;
    auto addFrom = [&](std::int16_t picId) {
        const std::int16_t riding = PickUpCount(picId);
        if (riding < 0)
            return;
        for (std::int16_t cell : {kHome, kReserve, kGoal})
            for (std::int16_t p = 0; p < Games.Piles(cell); ++p)
                if (Accepts(picId, riding, cell, p))
                    moves.push_back({picId, riding, {cell, p}});
    };
    for (std::int16_t cell : {kHome, kReserve, kGoal})
        for (std::int16_t p = 0; p < Games.Piles(cell); ++p)
            for (std::int16_t pos = 0; pos <= Array.GetTop(cell, p); ++pos)
                addFrom(Array.GetPicID(cell, p, pos));
    return moves;
}

} // namespace tabloo
