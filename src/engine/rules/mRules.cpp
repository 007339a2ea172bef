// Which cards may be lifted and where they may be laid: the same queries serve the
// pointer, autoplay and the headless tool.
#include "Game.h"
#include "NumText.h"

namespace tabloo {

Position Game::BoardPosition() const {
    Position p;
    SetRules(p, Games.Piles(kHome), Games.Piles(kReserve), Games.Order(kHome), Games.Order(kGoal), Games.AK(kHome),
             Games.AK(kGoal), GoalBaseRank, true, true);
    int n = 0;
    for (int pile = 0; pile < Position::kPiles; ++pile) {
        if (!p.InPlay(pile))
            continue;
        const std::int16_t cell = AreaOf(pile), areaPile = AreaPile(pile);
        for (std::int16_t pos = 0; pos <= Array.GetTop(cell, areaPile) && n < kTotalCards; ++pos) {
            const std::int16_t id = Array.GetPicID(cell, areaPile, pos);
            if (id < 0 || id >= kTotalCards)
                continue;
            p.Card[n++] = static_cast<std::uint8_t>(CardValue(id));
            ++p.Len[pile];
        }
    }
    return p;
}

Position Game::CurrentPosition() const {
    Position p = BoardPosition();
    p.MultiMove = Registry.MultiMove() == 1;
    p.Autoplay = Registry.Autoplay() != 0;
    return p;
}

int Game::PositionPile(std::int16_t picId) const {
    const cCard &card = Card(picId);
    if (Array.GetPicID(card.Cell, card.Pile, card.Pos) != picId || card.Pile >= Games.Piles(card.Cell))
        return -1;
    return PileOf(card.Cell, card.Pile);
}

bool Game::FitsStep(std::int16_t lower, std::int16_t upper, int direction, int suitRule, bool ak) const {
    return tabloo::FitsStep(CardValue(lower), CardValue(upper), direction, suitRule, ak);
}

bool Game::FitsOrder(std::int16_t lower, std::int16_t upper, std::int32_t order, bool ak) const {
    return FitsOrderValue(CardValue(lower), CardValue(upper), order, ak);
}

bool Game::IsOrderedRun(std::int16_t picId, std::int16_t count) const {
    const cCard &card = Card(picId);
    const int pile = PileOf(kHome, card.Pile);
    return pile >= 0 && tabloo::IsOrderedRun(BoardPosition(), pile, card.Pos, count);
}

std::int16_t Game::CountEmptyPiles(std::int16_t cell) const {
    std::int16_t n = 0;
    for (std::int16_t p = 0; p < Games.Piles(cell); ++p)
        if (Array.GetTop(cell, p) == -1)
            ++n;
    return n;
}

std::int16_t Game::MaxExtraCards() const { return static_cast<std::int16_t>(tabloo::MaxExtraCards(BoardPosition())); }

std::int16_t Game::PickUpCount(std::int16_t picId) const {
    if (picId < 0 || picId >= kTotalCards)
        return -1;
    // The card must really lie where it says (a card of a taken-down board does not).
    const int pile = PositionPile(picId);
    if (pile < 0)
        return -1;
    const cCard &card = Card(picId);
    if (card.Pos == Array.GetTop(card.Cell, card.Pile))
        return 0;
    return static_cast<std::int16_t>(tabloo::PickUpCount(CurrentPosition(), pile, card.Pos));
}

bool Game::Accepts(std::int16_t picId, std::int16_t riding, std::int16_t cell, std::int16_t pile) const {
    if (picId < 0 || picId >= kTotalCards || pile < 0 || pile >= Games.Piles(cell))
        return false;
    return tabloo::Accepts(BoardPosition(), CardValue(picId), PositionPile(picId), riding, PileOf(cell, pile));
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
    if (picId < 0 || picId >= kTotalCards)
        return {};
    const Position board = BoardPosition();
    const int card = CardValue(picId), from = PositionPile(picId);
    auto takes = [&](std::int16_t cell, std::int16_t pile) {
        return tabloo::Accepts(board, card, from, riding, PileOf(cell, pile));
    };
    for (bool centre : {true, false}) {
        for (std::int16_t p = 0; p < Games.Piles(kHome); ++p) {
            // An empty home pile is hit one fan step above where its first card will lie.
            const std::int16_t t = Array.GetTop(kHome, p);
            if (CardsOverlap(left, top, Games.GetCordX(kHome, p, t), Games.GetCordY(kHome, p, t), centre) &&
                takes(kHome, p))
                return {kHome, p};
        }
        for (std::int16_t p = 0; p < Games.Piles(kReserve); ++p)
            if (CardsOverlap(left, top, Games.GetCordX(kReserve, p, 0), Games.GetCordY(kReserve, p, 0), centre) &&
                takes(kReserve, p))
                return {kReserve, p};
        for (std::int16_t p = 0; p < kGoalPiles; ++p)
            if (CardsOverlap(left, top, Games.GetCordX(kGoal, p, 0), Games.GetCordY(kGoal, p, 0), centre) &&
                takes(kGoal, p))
                return {kGoal, p};
    }
    return {};
}

bool Game::RuledMove(std::int16_t picId, PileRef target, std::int16_t &dPos, std::int16_t &mCards) const {
    const std::int16_t riding = PickUpCount(picId);
    if (riding < 0 || !Accepts(picId, riding, target.Cell, target.Pile))
        return false;
    dPos = static_cast<std::int16_t>(Array.GetTop(target.Cell, target.Pile) + 1);
    mCards = target.Cell == kHome ? riding : std::int16_t(0);
    return true;
}

std::vector<LegalMove> Game::LegalMoves() const {
    const Position p = CurrentPosition();
    std::vector<Move> found;
    tabloo::LegalMoves(p, found);
    std::vector<LegalMove> moves;
    moves.reserve(found.size());
    for (const Move &m : found)
        moves.push_back(ToLegalMove(p, m));
    return moves;
}

LegalMove Game::ToLegalMove(const Position &p, const Move &m) const {
    return {Array.GetPicID(AreaOf(m.From), AreaPile(m.From), m.Pos),
            static_cast<std::int16_t>(p.Len[m.From] - 1 - m.Pos),
            {AreaOf(m.To), AreaPile(m.To)}};
}

} // namespace tabloo
