// The card table: which card lies at every place of the board, how high every pile is,
// and the shuffle that turns a game number into a deal. MoveCard is the only way a card
// changes place.
#pragma once

#include "cDealRandom.h"

#include <cstdint>
#include <optional>

namespace tabloo {

class Game;

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

    explicit cArray(Game &game);

    // Position of the top card of a pile, -1 when it is empty (and for a place off the board).
    std::int16_t GetTop(std::int16_t cell, std::int16_t pile = 0) const;
    // The top card of a pile; -1 when the pile is empty.
    std::int16_t GetTopPicID(std::int16_t cell, std::int16_t pile = 0) const;
    // The card at a place; -1 where no card lies.
    std::int16_t GetPicID(std::int16_t cell, std::int16_t pile, std::int16_t pos) const;
    // The card's value 0..51 from the shuffle.
    std::int16_t GetRandom(std::int16_t picId) const;
    std::int16_t TotalGoalCards() const;

    // Moves a card and the mCards cards riding on it to (dCell, dPile, dPos ..). Speed is
    // the number of animation steps; none means the CardSpeed setting. Returns whether the
    // move was made: a full goal pile, a move the log refuses or a place off the board
    // leaves everything as it was.
    bool MoveCard(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos,
                  std::int32_t tMod = kPlayMove, std::optional<std::int16_t> speed = std::nullopt,
                  std::int16_t mCards = 0, std::int32_t dFace = 0);

    // Empties the tables and shuffles for a game number.
    void Init(double gameNo);
    // The shuffle alone.
    void RandomInit(double gameNo);
    // Empties the tables and keeps the shuffle (the board was taken down).
    void Clear();
    // The next value of the deal generator (the random goal base follows the shuffle).
    float NextDraw() { return Random.rtcRandomNext(); }

private:
    static bool OnBoard(int cell, int pile, int pos) {
        return cell >= 0 && cell < kCells && pile >= 0 && pile < kPiles && pos >= 0 && pos < kPositions;
    }
    void MoveCardImage(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int32_t tMod,
                       std::int16_t speed, std::int32_t dFace);

    Game &TheGame;
    std::int16_t PicIDs[kCells][kPiles][kPositions];
    std::int16_t Tops[kCells][kPiles];
    std::int16_t Shuffle[kPositions] = {};
    cDealRandom Random;
};

} // namespace tabloo
