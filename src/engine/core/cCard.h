// One card of the game as the engine knows it: its identity from the shuffle, where it
// lies and which side it shows. The card control on screen draws this state.
#pragma once

#include <cstdint>

namespace tabloo {

enum Suit : std::int16_t { kHearts = 0, kSpades = 1, kDiamonds = 2, kClubs = 3 };
enum CardColor : std::int32_t { kRed = 1, kBlack = 2 };

struct cCard {
    std::int16_t Suit = 0;
    std::int16_t Num = 0; // 0 Ace .. 12 King
    std::int16_t Suitpile = 0;
    bool Selected = false;
    std::int32_t FaceMode = 1; // 1 shows the back
    std::int16_t DeckIndex = 1;
    std::int16_t Cell = 0;
    std::int16_t Pile = 0;
    std::int16_t Pos = 0;

    void SetLoc(std::int16_t cell, std::int16_t pile, std::int16_t pos) {
        Cell = cell;
        Pile = pile;
        Pos = pos;
    }
    void SetValue(std::int16_t suit, std::int16_t num, std::int16_t suitpile) {
        Suit = suit;
        Num = num;
        Suitpile = suitpile;
    }
    std::int32_t Color() const { return (Suit == kHearts || Suit == kDiamonds) ? kRed : kBlack; }
    bool FaceUp() const { return FaceMode != 1; }
    // The face picture of this card: 1..52.
    std::int16_t FaceId() const { return static_cast<std::int16_t>(Suit * 13 + Num + 1); }
};

} // namespace tabloo
