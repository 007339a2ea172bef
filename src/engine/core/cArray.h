// The card table: the 52 cards, which card lies at every place of the board and how high
// every pile is. MoveCard is the only way a card changes place; it books the move and
// nothing else.
#pragma once

#include "cCard.h"
#include "cGames.h"

#include <array>
#include <cstdint>

namespace tabloo {

// How a card is moved.
enum MoveMode : std::int32_t {
    kPlayMove = 0, // the player's or autoplay's: logged, then autoplay and the win test
    kUndoRedo = 1, // not logged, no autoplay
    kDealMove = 2, // not logged; the cards may fly side by side
};

class cArray {
public:
    static constexpr int kCells = 5;
    static constexpr int kPiles = 21;
    static constexpr int kPositions = 53;

    cArray();

    const cCard &Card(std::int16_t picId) const { return Cards[static_cast<std::size_t>(picId)]; }
    // Every card back to a blank face-down card of no place (a new board, or none).
    void ResetCards();
    void SetCardValue(std::int16_t picId, std::int16_t suit, std::int16_t num, std::int16_t suitpile) {
        Cards[static_cast<std::size_t>(picId)].SetValue(suit, num, suitpile);
    }

    // Position of the top card of a pile, -1 when it is empty (and for a place off the board).
    std::int16_t GetTop(std::int16_t cell, std::int16_t pile = 0) const;
    // The top card of a pile; -1 when the pile is empty.
    std::int16_t GetTopPicID(std::int16_t cell, std::int16_t pile = 0) const;
    // The card at a place; -1 where no card lies.
    std::int16_t GetPicID(std::int16_t cell, std::int16_t pile, std::int16_t pos) const;
    std::int16_t TotalGoalCards() const;

    // Whether the card with the mCards cards riding on it can be laid at (dCell, dPile,
    // dPos ..): every place on the board, room on a goal pile (at most 13 cards), the riders
    // the cards above it in its pile.
    bool CanMove(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos,
                 std::int16_t mCards) const;
    // Books the move CanMove allows: the card and its riders lie at (dCell, dPile, dPos ..),
    // showing their backs when dFace is not 0. `turned` tells, card by card from the lifted
    // one up, whether the card turned over. A dealt card (kDealMove) leaves no hole behind:
    // it comes from no place.
    void MoveCard(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int16_t mCards,
                  std::int32_t tMod, std::int32_t dFace, std::array<bool, kPositions> &turned);

    // Every pile empty.
    void Clear();

private:
    static bool OnBoard(int cell, int pile, int pos) {
        return cell >= 0 && cell < kCells && pile >= 0 && pile < kPiles && pos >= 0 && pos < kPositions;
    }
    bool Place(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int32_t tMod,
               std::int32_t dFace);

    std::array<cCard, kTotalCards> Cards{};
    std::int16_t PicIDs[kCells][kPiles][kPositions];
    std::int16_t Tops[kCells][kPiles];
};

} // namespace tabloo
