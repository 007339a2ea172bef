// A position: where every card lies, with the rules of the variant that matter for play,
// as a value of 79 bytes. The rules of play are pure functions over it: what may be
// lifted, which pile takes a lifted card, making a move and the autoplay cascade that
// follows it. The game, the headless tool and the solver all play by these functions.
#pragma once

#include "cGames.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tabloo {

// A card by its value: suit × 13 + rank (suit 0 hearts, 1 spades, 2 diamonds, 3 clubs;
// rank 0 Ace .. 12 King).
inline constexpr int CardRank(int card) { return card % 13; }
inline constexpr int CardSuit(int card) { return card / 13; }
inline constexpr bool CardRed(int card) { return CardSuit(card) == 0 || CardSuit(card) == 2; }

// Does card `upper` fit directly on card `lower`: direction 1 up, -1 down, 0 either;
// suit rule 1 same suit, 2 other colour, 0 none; with `ak` King and Ace are neighbours.
constexpr bool FitsStep(int lower, int upper, int direction, int suitRule, bool ak) {
    const int l = CardRank(lower), u = CardRank(upper);
    const bool upward = u == l + 1 || (ak && l == 12 && u == 0);
    const bool downward = u == l - 1 || (ak && l == 0 && u == 12);
    const bool rank = direction == 1 ? upward : direction == -1 ? downward : direction == 0 && (upward || downward);
    if (!rank)
        return false;
    if (suitRule == 2)
        return CardRed(upper) != CardRed(lower);
    if (suitRule == 1)
        return CardSuit(upper) == CardSuit(lower);
    return true;
}

// Build orders 0..9; any other value is kept as kNoOrder, which fits no pair.
inline constexpr int kNoOrder = 10;

constexpr bool FitsOrderValue(int lower, int upper, int order, bool ak) {
    constexpr int direction[10] = {1, 1, 1, -1, -1, -1, 0, 0, 0, 0};
    constexpr int suitRule[10] = {1, 2, 0, 1, 2, 0, 0, 1, 2, 0};
    if (order == 6) // "Any Card"
        return true;
    if (order < 0 || order > 9)
        return false;
    return FitsStep(lower, upper, direction[order], suitRule[order], ak);
}

namespace detail {
// For every order (with kNoOrder), wrap and card: the cards that fit on it (or, with
// `under`, the cards it fits on), one bit each.
struct FitTable {
    std::uint64_t Mask[kNoOrder + 1][2][52] = {};
};
constexpr FitTable MakeFitTable(bool under) {
    FitTable t;
    for (int order = 0; order <= kNoOrder; ++order)
        for (int ak = 0; ak < 2; ++ak)
            for (int lower = 0; lower < 52; ++lower)
                for (int upper = 0; upper < 52; ++upper)
                    if (FitsOrderValue(lower, upper, order, ak != 0)) {
                        if (under)
                            t.Mask[order][ak][upper] |= std::uint64_t(1) << lower;
                        else
                            t.Mask[order][ak][lower] |= std::uint64_t(1) << upper;
                    }
    return t;
}
inline constexpr FitTable kFits = MakeFitTable(false);
inline constexpr FitTable kFitsUnder = MakeFitTable(true);
} // namespace detail

// The cards that fit on `lower` under a build order (0..9 or kNoOrder).
inline std::uint64_t FitsOn(int lower, int order, bool ak) { return detail::kFits.Mask[order][ak ? 1 : 0][lower]; }
inline bool FitsOrder(int lower, int upper, int order, bool ak) { return (FitsOn(lower, order, ak) >> upper) & 1; }
// FitsOn for every card under one build order, indexed by the lower card.
inline const std::uint64_t *FitsOnRow(int order, bool ak) { return detail::kFits.Mask[order][ak ? 1 : 0]; }
// The cards that each card fits on under a build order.
inline const std::uint64_t *FitsUnderRow(int order, bool ak) { return detail::kFitsUnder.Mask[order][ak ? 1 : 0]; }

// The four cards of a rank (none for a rank outside 0..12).
inline constexpr std::uint64_t RankMask(int rank) {
    constexpr std::uint64_t aces = 1 | std::uint64_t(1) << 13 | std::uint64_t(1) << 26 | std::uint64_t(1) << 39;
    return rank >= 0 && rank < 13 ? aces << rank : 0;
}

// A move as the player makes it: lift the card at position Pos of pile From (with every
// card above it) and lay it on pile To. Piles are numbered as in Position.
struct Move {
    std::uint8_t From = 0, Pos = 0, To = 0;
    bool operator==(const Move &) const = default;
};

struct Position {
    // Piles: home piles 0..9, reserve piles 10..13, goal piles 14..17. A variant uses home
    // piles 0..HomePiles-1 and reserve piles 10..10+ResPiles-1.
    static constexpr int kHome0 = 0, kReserve0 = 10, kGoal0 = 14, kPiles = 18;
    static constexpr int kGoalFull = 13;

    // How many cards each pile holds.
    std::uint8_t Len[kPiles] = {};
    // The cards, pile after pile in the order above, each pile bottom first.
    std::uint8_t Card[52] = {};
    // The variant.
    std::uint8_t HomePiles = 8, ResPiles = 4;
    std::uint8_t HomeOrder = 4, GoalOrder = 0; // 0..9 or kNoOrder
    std::uint8_t GoalBase = 0;                 // the rank every goal pile starts with
    bool HomeAK = false, GoalAK = true;
    bool MultiMove = true, Autoplay = true;

    bool operator==(const Position &) const = default;

    // Where pile `pile` (0..kPiles) starts in Card: the lengths of the piles before it,
    // added eight at a time (no sum passes 52, so a byte holds it).
    int Start(int pile) const {
        std::uint64_t a, b;
        std::memcpy(&a, Len, 8);
        std::memcpy(&b, Len + 8, 8);
        auto first = [](std::uint64_t w, int n) {
            return n <= 0 ? 0
                          : static_cast<int>(
                                ((n >= 8 ? w : w & ((std::uint64_t(1) << 8 * n) - 1)) * 0x0101010101010101ull) >> 56);
        };
        return first(a, pile) + first(b, pile - 8) + (pile > 16 ? Len[16] : 0) + (pile > 17 ? Len[17] : 0);
    }
    // The card at position `pos` of a pile (bottom 0).
    int At(int pile, int pos) const { return Card[Start(pile) + pos]; }
    int Top(int pile) const { return Len[pile] ? At(pile, Len[pile] - 1) : -1; }

    static bool IsHome(int pile) { return pile < kReserve0; }
    static bool IsReserve(int pile) { return pile >= kReserve0 && pile < kGoal0; }
    static bool IsGoal(int pile) { return pile >= kGoal0 && pile < kPiles; }
    // Is the pile part of this variant's board.
    bool InPlay(int pile) const {
        return IsHome(pile) ? pile < HomePiles : IsReserve(pile) ? pile - kReserve0 < ResPiles : IsGoal(pile);
    }
    int GoalCards() const { return Len[kGoal0] + Len[kGoal0 + 1] + Len[kGoal0 + 2] + Len[kGoal0 + 3]; }
    bool Won() const { return GoalCards() == 52; }
};

// Lays out the variant's rules; every pile empty. Orders outside 0..9 become kNoOrder.
void SetRules(Position &p, int homePiles, int resPiles, int homeOrder, int goalOrder, bool homeAK, bool goalAK,
              int goalBase, bool multiMove, bool autoplay);
// Puts a card on top of a pile (used to lay a position out).
void PushCard(Position &p, int pile, int card);

// How many empty piles the home area (or the reserve area) has.
int CountEmptyHome(const Position &p);
int CountEmptyReserve(const Position &p);
// How many cards may ride on a lifted home card: (F + 1) × E + F with F empty reserve
// piles and E empty home piles.
int MaxExtraCards(const Position &p);
// Do the card at `pos` of home pile `pile` and the `count` cards above it form a run in
// the home build order.
bool IsOrderedRun(const Position &p, int pile, int pos, int count);
// How many cards ride on the card at `pos` of `pile` when it is lifted; -1 when it cannot
// be lifted.
int PickUpCount(const Position &p, int pile, int pos);
// Does pile `to` take `card` carrying `riding` cards, lifted from pile `from` (-1 when it
// lies on no pile of the position). A goal pile holds at most 13 cards and is never a
// target for its own card.
bool Accepts(const Position &p, int card, int from, int riding, int to);
// The cards a goal pile takes now, one bit each.
std::uint64_t GoalTakes(const Position &p, int goal);
// What each of the four goal piles takes now, one bit a card; returns them all together.
std::uint64_t GoalsTake(const Position &p, std::uint64_t takes[4]);
// The first goal pile that takes the card (lifted from pile `from`), or -1.
int GoalTarget(const Position &p, int card, int from);

// Every move the rules allow, in the game's order: by source (home, reserve, goal piles,
// each from pile 0, bottom card first), then by target (the same order of piles).
void LegalMoves(const Position &p, std::vector<Move> &out);
// The same into `out`, which has room for kMaxMoves, for the cards of the piles whose bit
// is set in `from`; returns how many.
inline constexpr int kMaxMoves = 52 * (Position::kPiles - 1);
int LegalMoves(const Position &p, Move *out, std::uint32_t from = ~0u);
// The next card autoplay sends up: the first home pile, then reserve pile, whose top
// card a goal pile takes, and the first goal pile that takes it. False when there is none
// (whatever the Autoplay setting).
bool NextAutoplay(const Position &p, int &from, int &goal);
// Moves the card at `pos` of pile `from` and every card above it onto pile `to`, with no
// check and no autoplay.
void MoveCards(Position &p, int from, int pos, int to);
// A card that a move laid somewhere: the pile it now lies on and the card it lies on
// (-1 at the bottom of the pile). The cards riding on it keep what they lie on.
struct Placed {
    std::uint8_t Card, Pile;
    std::int8_t On;
};
// Runs the autoplay cascade when the Autoplay setting is on; returns how many cards went
// up, and notes each in `placed` when given (room for 52).
int Autoplay(Position &p, Placed *placed = nullptr);
// A player's move, then the autoplay cascade. The move must be legal. Notes the cards it
// laid, the moved card first, in `placed` when given (room for 53); returns how many.
int Play(Position &p, Move m, Placed *placed = nullptr);

// The area and pile of the game's table for a pile of the position, and back.
inline std::int16_t AreaOf(int pile) {
    return Position::IsHome(pile) ? kHome : Position::IsReserve(pile) ? kReserve : kGoal;
}
inline std::int16_t AreaPile(int pile) {
    return static_cast<std::int16_t>(Position::IsHome(pile)      ? pile
                                     : Position::IsReserve(pile) ? pile - Position::kReserve0
                                                                 : pile - Position::kGoal0);
}
int PileOf(int area, int pile);

} // namespace tabloo
