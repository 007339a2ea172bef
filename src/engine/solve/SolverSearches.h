// The solver's searches, as a table it walks in order. Quick searches go first, each
// weighing positions its own way: where one loses its way another often goes straight to
// a win. The last, complete one has all the budget left; when it runs out of positions,
// every position that can be reached was searched. A tool may run a choice of them (by
// name) to compare them; the game always runs the whole table.
#pragma once

#include "Position.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>

namespace tabloo {

// How a search weighs a position: per card still to go up, per card lying on one the goal
// piles want sooner, per broken run, per card in the reserve, per empty home pile (a
// gain), per card above a card the goal piles take now, per eighth of a move made.
struct SearchWeights {
    int ToGo, Blockers, Breaks, OnReserve, EmptyHome, Dig, Depth;
};

// Shares of the budget besides a number of positions: all the searches before it left,
// half of that, a tenth of the whole budget.
inline constexpr std::uint64_t kRestOfBudget = std::numeric_limits<std::uint64_t>::max();
inline constexpr std::uint64_t kHalfTheRest = kRestOfBudget - 1;
inline constexpr std::uint64_t kTenthOfBudget = kRestOfBudget - 2;

struct SearchKind {
    std::string_view Name;
    // How it weighs positions with autoplay on, and off (where cards go home a move at a
    // time).
    SearchWeights Weights, WeightsByHand;
    // The most positions it may examine (what the searches before it left, if less), or
    // kRestOfBudget, or kHalfTheRest, or kTenthOfBudget.
    std::uint64_t Share;
    // Does it leave out moves that seldom help, where home piles are built down and runs
    // move whole: breaking a run in the home piles (but to send a card up), and laying the
    // last card of a home pile on a reserve pile. Such a search that runs out of positions
    // proves nothing.
    bool LeavesOut;
    // The complete search: every move, and without autoplay it sends home only the cards
    // that no card in play can ever need (the quick ones send home also those no card is
    // likely to need, and take nothing down from a goal pile). It goes last: a search after
    // it would find no budget left.
    bool Complete;
    // Runs only where goal piles go up or down in suit and autoplay is on: there the order
    // autoplay scans the piles in decides which way a goal pile of one card goes, so the
    // other searches count no home or reserve piles as alike. Once every goal pile holds
    // two cards its way is settled, each card has one place to go up, and a cascade sends
    // the same cards whatever the order: this search then counts the piles of every area
    // as sets, and takes no goal pile back to one card (so it may miss a win).
    bool Settles = false;
    // Runs only where cards go home by hand (Autoplay off) and there are two reserve piles
    // or fewer: there the wins lie deep, past what the short searches see, where with more
    // reserve piles the complete search soon finds them.
    bool FewCellsByHand = false;

    // Does the search run on a game of these rules.
    bool RunsOn(const Position &rules) const {
        if (Settles)
            return rules.Autoplay && EitherWayInSuit(rules.GoalOrder);
        return !FewCellsByHand || (!rules.Autoplay && rules.ResPiles <= 2);
    }
    // The most positions it may examine, of a budget of `budget` of which `left` is left.
    std::uint64_t Limit(std::uint64_t budget, std::uint64_t left) const {
        const std::uint64_t share = Share == kHalfTheRest ? left / 2 : Share == kTenthOfBudget ? budget / 10 : Share;
        return std::min(share, left);
    }
};

inline constexpr SearchKind kSearches[] = {
    // Every count; without autoplay, broken runs weigh more and moves made less.
    {"balanced", {10, 8, 2, 6, 10, 3, 4}, {10, 8, 8, 6, 10, 3, 2}, 3000, true, false},
    // Empty home piles, and cards lying above those the goal piles take now.
    {"dig", {10, 3, 0, 6, 20, 8, 4}, {10, 3, 0, 6, 20, 8, 4}, 10000, true, false},
    // Cards parked in the reserve cost little; nothing for digging or broken runs.
    {"park", {10, 8, 0, 3, 10, 0, 4}, {10, 8, 0, 3, 10, 0, 4}, 30000, false, false},
    // Without autoplay and with few reserve piles, a longer search weighing as dig does,
    // every move tried.
    {"deep-dig", {10, 3, 0, 6, 20, 8, 4}, {10, 3, 0, 6, 20, 8, 4}, kTenthOfBudget, false, false, false, true},
    // Up or down in suit with autoplay: the piles as sets once every goal pile's way is
    // settled. First weighing as the complete search does (its wins are as short)...
    {"settled", {10, 8, 2, 6, 10, 3, 4}, {10, 8, 2, 6, 10, 3, 4}, 300000, false, false, true},
    // ... then as dig does, with broken runs: digging out the cards a goal pile of one card
    // takes (either way) is what starts the goal piles. Half the budget left: wins there
    // take long searches, and the complete search seldom proves such a deal lost.
    {"settled-dig", {10, 3, 2, 6, 20, 8, 4}, {10, 3, 2, 6, 20, 8, 4}, kHalfTheRest, false, false, true},
    // The rest of the budget, weighing as the first does with autoplay on.
    {"complete", {10, 8, 2, 6, 10, 3, 4}, {10, 8, 2, 6, 10, 3, 4}, kRestOfBudget, false, true},
};
static_assert(kSearches[std::size(kSearches) - 1].Complete, "the searches end with the complete one");

// The search of the table with that name; null when there is none.
constexpr const SearchKind *FindSearch(std::string_view name) {
    for (const SearchKind &s : kSearches)
        if (s.Name == name)
            return &s;
    return nullptr;
}

} // namespace tabloo
