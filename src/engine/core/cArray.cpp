#include "cArray.h"

#include <algorithm>

namespace tabloo {

cArray::cArray() {
    std::fill(&PicIDs[0][0][0], &PicIDs[0][0][0] + kCells * kPiles * kPositions, std::int16_t(-1));
    Clear();
}

std::int16_t cArray::GetTop(std::int16_t cell, std::int16_t pile) const {
    if (!OnBoard(cell, pile, 0))
        return -1;
    return Tops[cell][pile];
}

std::int16_t cArray::GetTopPicID(std::int16_t cell, std::int16_t pile) const {
    std::int16_t top = GetTop(cell, pile);
    return top < 0 ? std::int16_t(-1) : PicIDs[cell][pile][top];
}

std::int16_t cArray::GetPicID(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
    // Slots above a pile's top may hold a card that has left: no card lies there.
    if (!OnBoard(cell, pile, pos) || pos > Tops[cell][pile])
        return -1;
    return PicIDs[cell][pile][pos];
}

std::int16_t cArray::TotalGoalCards() const {
    int total = 0;
    for (std::int16_t pile = 0; pile < kGoalPiles; ++pile)
        total += GetTop(kGoal, pile) + 1;
    return static_cast<std::int16_t>(total);
}

void cArray::ResetCards() {
    for (cCard &card : Cards)
        card = cCard{};
}

void cArray::Clear() {
    // Every pile empty. Slots above a pile's top are never read, so PicIDs keeps them.
    std::fill(&Tops[0][0], &Tops[0][0] + kCells * kPiles, std::int16_t(-1));
}

bool cArray::CanMove(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos,
                     std::int16_t mCards) const {
    if (picId < 0 || picId >= kTotalCards || mCards < 0 || !OnBoard(dCell, dPile, dPos) ||
        !OnBoard(dCell, dPile, dPos + mCards))
        return false;
    // A goal pile holds at most 13 cards.
    if (dCell == kGoal && GetTop(kGoal, dPile) >= 12)
        return false;
    if (mCards > 0) {
        // The riding cards are the ones above the card in its pile.
        const cCard &card = Card(picId);
        if (!OnBoard(card.Cell, card.Pile, card.Pos + mCards) || card.Pos + mCards > Tops[card.Cell][card.Pile])
            return false;
        for (int i = 1; i <= mCards; ++i) {
            const std::int16_t rider = PicIDs[card.Cell][card.Pile][card.Pos + i];
            if (rider < 0 || rider >= kTotalCards)
                return false;
        }
    }
    return true;
}

void cArray::MoveCard(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos,
                      std::int16_t mCards, std::int32_t tMod, std::int32_t dFace,
                      std::array<bool, kPositions> &turned) {
    const cCard &card = Card(picId);
    const std::int16_t sCell = card.Cell, sPile = card.Pile, sPos = card.Pos;
    turned[0] = Place(picId, dCell, dPile, dPos, tMod, dFace);
    for (std::int16_t i = 1; i <= mCards; ++i)
        turned[static_cast<std::size_t>(i)] =
            Place(PicIDs[sCell][sPile][sPos + i], dCell, dPile, static_cast<std::int16_t>(dPos + i), tMod, dFace);
    Tops[sCell][sPile] = static_cast<std::int16_t>(sPos - 1);
    Tops[dCell][dPile] = static_cast<std::int16_t>(dPos + mCards);
}

bool cArray::Place(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int32_t tMod,
                   std::int32_t dFace) {
    cCard &card = Cards[static_cast<std::size_t>(picId)];
    // A face-down card travels face down and turns over at its place.
    const std::int32_t face = dFace != 0 ? 1 : 0;
    const bool turned = card.FaceMode != face;
    card.FaceMode = face;
    if (tMod != kDealMove && OnBoard(card.Cell, card.Pile, card.Pos))
        PicIDs[card.Cell][card.Pile][card.Pos] = -1;
    card.SetLoc(dCell, dPile, dPos);
    PicIDs[dCell][dPile][dPos] = picId;
    return turned;
}

} // namespace tabloo
