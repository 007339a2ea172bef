// A position the solver expands, one at a time: what it knows of it once for all its
// moves (which moves to leave out or skip, the keys of the moves that start no cascade),
// and how it scores the children those moves make. Only the solver's search includes this.
#pragma once

#include "Position.h"
#include "cSolver.h"
#include "cStateSet.h"

#include <algorithm>
#include <cstdint>

namespace tabloo::search {

using HomeCounts = cSolver::HomeCounts;

// The blockers and broken runs of a position's home piles: by `due`, how many goal cards
// must go up before each card can.
inline HomeCounts CountHome(const Position &p, const std::uint8_t *due) {
    const std::uint64_t *fits = FitsOnRow(p.HomeOrder, p.HomeAK);
    int blockers = 0, breaks = 0;
    for (int pile = 0, at = 0; pile < p.HomePiles; ++pile) {
        const int len = p.Len[pile];
        if (len == 0)
            continue;
        const std::uint8_t *cards = p.Card + at;
        at += len;
        int soonest = due[cards[0]];
        for (int i = 1; i < len; ++i) {
            const int d = due[cards[i]];
            blockers += d > soonest;
            soonest = std::min(soonest, d);
            breaks += !(fits[cards[i - 1]] >> cards[i] & 1);
        }
    }
    return {static_cast<std::uint16_t>(blockers), static_cast<std::uint16_t>(breaks)};
}

// The distance of a position from its counts (see Distance).
inline std::uint32_t Score(const Position &q, const cSolver::Weights &w, int blockers, int breaks, int emptyHome,
                           int dig) {
    const int onReserve = q.ResPiles - CountEmptyReserve(q);
    const int value = w.ToGo * (52 - q.GoalCards()) + w.Blockers * blockers + w.Breaks * breaks +
                      w.OnReserve * onReserve - w.EmptyHome * emptyHome + w.Dig * dig + 1000;
    return static_cast<std::uint32_t>(std::max(value, 0));
}

// How far a position looks from a win: cards still to go up, cards lying above cards the
// goal piles want sooner, broken runs, cards lying above the cards the goal piles take
// now, and little room to move. Each search of the solver weighs these its own way.
inline std::uint32_t Distance(const Position &p, const cSolver::Weights &w, const std::uint8_t *due) {
    // Built up or down in suit, a goal pile's second card fixes its way: count from its top.
    std::uint8_t ahead[52];
    if (EitherWayInSuit(p.GoalOrder)) {
        std::copy(due, due + 52, ahead);
        for (int g = Position::kGoal0; g < Position::kPiles; ++g) {
            if (p.Len[g] < 2)
                continue;
            const int first = p.At(g, 0), top = p.Top(g);
            const int way = CardRank(p.At(g, 1)) == (CardRank(first) + 1) % 13 ? 1 : 12;
            for (int rank = 0; rank < 13; ++rank)
                ahead[CardSuit(first) * 13 + rank] = static_cast<std::uint8_t>((rank - CardRank(top) + 13) * way % 13);
        }
        due = ahead;
    }
    std::uint64_t takes[4];
    const std::uint64_t needed = GoalsTake(p, takes);
    const HomeCounts counts = CountHome(p, due);
    int dig = 0;
    for (int pile = 0, at = 0; pile < p.HomePiles; ++pile) {
        const int len = p.Len[pile];
        const std::uint8_t *cards = p.Card + at;
        at += len;
        for (int i = 0; i < len; ++i)
            if (needed >> cards[i] & 1)
                dig += len - 1 - i;
    }
    return Score(p, w, counts.Blockers, counts.Breaks, CountEmptyHome(p), dig);
}

// What the search knows of a position it expands, worked out once for all its moves:
// where each pile starts, what the goal piles take, the first empty pile of each area.
class Parent {
public:
    // `sendHome`: the search sends cards home after every move (SendHome); `goalsStay`: it
    // takes no card down from a goal pile.
    Parent(const Position &p, bool start, Alike alike, bool sendHome, bool goalsStay)
        : P(p), Start(start), Alike(alike), SendsHome(sendHome) {
        S[0] = 0;
        for (int i = 0; i < Position::kPiles; ++i)
            S[i + 1] = static_cast<std::uint8_t>(S[i] + p.Len[i]);
        Wanted = GoalsTake(p, Takes);
        for (int i = p.HomePiles - 1; i >= 0; --i)
            if (p.Len[Position::kHome0 + i] == 0)
                FirstEmpty[0] = Position::kHome0 + i;
        for (int i = p.ResPiles - 1; i >= 0; --i)
            if (p.Len[Position::kReserve0 + i] == 0)
                FirstEmpty[1] = Position::kReserve0 + i;
        // Moves from a goal pile are listed only where one may not lead back, and, once the
        // goal piles' ways are settled (kSettled), none takes a goal pile back to one card.
        std::uint64_t tops = 0;
        for (int pile = 0; pile < Position::kGoal0; ++pile)
            if (p.Len[pile])
                tops |= std::uint64_t(1) << Top(pile);
        for (int goal = Position::kGoal0; goal < Position::kPiles; ++goal)
            if (goalsStay || (alike == kSettled && p.Len[goal] == 2) || (p.Len[goal] && AllGoBack(goal, tops)))
                Sources &= ~(1u << goal);
    }
    int At(int pile, int pos) const { return P.Card[S[pile] + pos]; }
    int Top(int pile) const { return P.Card[S[pile + 1] - 1]; }

    // The moves a search that leaves moves out (SearchKind::LeavesOut) skips: breaking a run
    // in the home piles (but to send a card up), and laying the last card of a home pile on
    // a reserve pile, which gives up an empty home pile for a full reserve pile.
    bool LeftOut(Move m) const {
        if (!Position::IsHome(m.From) || Position::IsGoal(m.To))
            return false;
        if (m.Pos == 0)
            return P.Len[m.From] == 1 && Position::IsReserve(m.To);
        return FitsOrder(At(m.From, m.Pos - 1), At(m.From, m.Pos), P.HomeOrder, P.HomeAK);
    }

    // Where piles are alike, the moves that lead where another move of the same position
    // leads: to an empty pile other than the first of its area, and (past the start, where
    // every position has had its cascade) a whole pile onto an empty pile of its own area,
    // which leads back to the same position.
    bool Repeats(Move m) const {
        if (!EveryAreaAlike(Alike) || P.Len[m.To] != 0 || Position::IsGoal(m.To))
            return false;
        return m.To != FirstEmpty[Position::IsReserve(m.To)] ||
               (!Start && m.Pos == 0 && AreaOf(m.From) == AreaOf(m.To));
    }

    // Past the start every position has had its cascade, so some moves are known without
    // being played out. A move between home and reserve piles that uncovers no card a goal
    // pile takes starts no cascade: its key is the position's with one card laid elsewhere.
    // The key after move `m` when it starts no cascade; false when that is not known.
    bool KeyAfter(Move m, const StateKey &key, StateKey &after) const {
        if (Start || Position::IsGoal(m.From) || Position::IsGoal(m.To) ||
            ((P.Autoplay || SendsHome) && m.Pos > 0 && (Wanted >> At(m.From, m.Pos - 1) & 1)))
            return false;
        after = key;
        after.SetUnder(At(m.From, m.Pos), P.Len[m.To] ? Top(m.To) : BottomCode(m.To, Alike));
        return true;
    }
    // Does move `m` lead back to the position: a card taken down from a goal pile that the
    // cascade sends straight back up, to the same goal pile or, where goal piles are alike,
    // from the bottom of one to an empty one. No top card went up before the move, so only
    // the cards the emptied goal pile takes can go first. The bottom card of a goal pile
    // moved to an empty goal pile, where goal piles are alike, changes nothing either: the
    // goal piles take what they took, in another order.
    bool GoesBack(Move m) const {
        if (Start || !Position::IsGoal(m.From))
            return false;
        if (Position::IsGoal(m.To))
            return BackToGoal(m.From, m.To);
        const std::uint64_t takes = TakesDown(m.From);
        if (!ComesBack(m.From, takes))
            return false;
        for (int pile = 0; pile < m.To; ++pile)
            if (P.Len[pile] && (takes >> Top(pile) & 1))
                return false;
        return true;
    }

private:
    // With its top card down, what goal pile `from` takes.
    std::uint64_t TakesDown(int from) const {
        return P.Len[from] == 1 ? RankMask(P.GoalBase) : FitsOn(At(from, P.Len[from] - 2), P.GoalOrder, P.GoalAK);
    }
    // The top card of goal pile `from` moved to goal pile `to` leaves the goal piles as they
    // were but for their order.
    bool BackToGoal(int from, int to) const { return Alike != kNoneAlike && P.Len[from] == 1 && P.Len[to] == 0; }
    // The top card of goal pile `from`, once down, is the first card autoplay sends up
    // where it came from (the cascade runs, and no other card goes first).
    bool ComesBack(int from, std::uint64_t takes) const {
        if (!P.Autoplay)
            return false;
        const int card = Top(from);
        int goal = 0;
        while (goal < 4 && !((goal == from - Position::kGoal0 ? takes : Takes[goal]) >> card & 1))
            ++goal;
        return goal < 4 && (goal == from - Position::kGoal0 || BackToGoal(from, Position::kGoal0 + goal));
    }
    // Does every move of the top card of goal pile `from` lead back, whatever pile takes it
    // (`tops`: the top cards of the home and reserve piles).
    bool AllGoBack(int from, std::uint64_t tops) const {
        if (Start)
            return false;
        const int card = Top(from);
        for (int goal = Position::kGoal0; goal < Position::kPiles; ++goal)
            if (goal != from && (Takes[goal - Position::kGoal0] >> card & 1) && !BackToGoal(from, goal))
                return false;
        const std::uint64_t takes = TakesDown(from);
        return ComesBack(from, takes) && !(takes & tops);
    }

public:
    const Position &P;
    bool Start;
    tabloo::Alike Alike;
    bool SendsHome;
    // The piles whose moves are worth listing.
    std::uint32_t Sources = ~0u;
    std::uint8_t S[Position::kPiles + 1];
    std::uint64_t Takes[4], Wanted = 0;
    int FirstEmpty[2] = {-1, -1};
};

// Scores the children of one position from what it knows of the parent: a child's home
// piles are the parent's, but for those that lost cards from the top (what each keeps
// was counted up to each card once) and the one the move laid cards on (only those cards
// are new). Not for up-or-down goal piles, where what a card is due changes as the goal
// piles fill.
class Scorer {
public:
    // `counts`, when known, are the parent's.
    Scorer(const Parent &parent, const std::uint8_t *due, const HomeCounts *counts)
        : Par(parent), Due(due), Fits(FitsOnRow(parent.P.HomeOrder, parent.P.HomeAK)), Known(counts) {}

    // The distance of child `q`, made by move `m`, and the counts of its home piles.
    // `goalsAsBefore`: the goal piles are the parent's.
    std::uint32_t Distance(const Position &q, Move m, bool goalsAsBefore, const cSolver::Weights &w,
                           HomeCounts &counts) {
        const Position &p = Par.P;
        if (!Ready)
            Prepare();
        int blockers = Counts.Blockers, breaks = Counts.Breaks, emptyHome = 0;
        for (int pile = 0; pile < q.HomePiles; ++pile) {
            const int len = q.Len[pile], had = p.Len[pile];
            emptyHome += len == 0;
            if (len == had)
                continue;
            Count(pile);
            const int top = Par.S[pile] + had - 1;
            if (len < had) {
                blockers -= Blockers[top];
                breaks -= Breaks[top];
                if (len > 0) {
                    blockers += Blockers[top - (had - len)];
                    breaks += Breaks[top - (had - len)];
                }
                continue;
            }
            // The cards laid on the pile: the run lifted from m.From, or its lower part.
            const std::uint8_t *run = p.Card + Par.S[m.From] + m.Pos;
            int soonest = had > 0 ? Soonest[top] : 99, below = had > 0 ? p.Card[top] : -1;
            for (int i = 0; i < len - had; ++i) {
                const int card = run[i], d = Due[card];
                blockers += d > soonest;
                breaks += below >= 0 && !(Fits[below] >> card & 1);
                soonest = std::min(soonest, d);
                below = card;
            }
        }
        // Cards above the cards the goal piles take now; the cards of the run moved with it.
        std::uint64_t takes[4];
        const int moved = Par.At(m.From, m.Pos);
        int dig = 0;
        const std::uint64_t wanted = goalsAsBefore ? Par.Wanted : GoalsTake(q, takes);
        Locate(wanted);
        for (std::uint64_t needed = wanted; needed; needed &= needed - 1) {
            const int card = __builtin_ctzll(needed);
            int pile = Pile[card], pos = Pos[card];
            if (card == moved || (pile == m.From && pos > m.Pos)) {
                pos = p.Len[m.To] + (card == moved ? 0 : pos - m.Pos);
                pile = Position::IsHome(m.To) ? m.To : 0xFF;
            }
            if (pile != 0xFF && pos < q.Len[pile])
                dig += q.Len[pile] - 1 - pos;
        }
        counts = {static_cast<std::uint16_t>(blockers), static_cast<std::uint16_t>(breaks)};
        return Score(q, w, blockers, breaks, emptyHome, dig);
    }

private:
    // The parent's counts, and the home pile and place of each of its cards.
    void Prepare() {
        Ready = true;
        const Position &p = Par.P;
        Counts = Known ? *Known : CountHome(p, Due);
    }
    // Where the `cards` lie in the parent: their home pile (0xFF for none) and place in it;
    // looked for once, for the few cards the goal piles take.
    void Locate(std::uint64_t cards) {
        cards &= ~Located;
        if (!cards)
            return;
        Located |= cards;
        for (std::uint64_t m = cards; m; m &= m - 1)
            Pile[__builtin_ctzll(m)] = 0xFF;
        const Position &p = Par.P;
        for (int pile = 0; pile < p.HomePiles; ++pile)
            for (int at = Par.S[pile]; at < Par.S[pile + 1]; ++at)
                if (cards >> p.Card[at] & 1) {
                    Pile[p.Card[at]] = static_cast<std::uint8_t>(pile);
                    Pos[p.Card[at]] = static_cast<std::uint8_t>(at - Par.S[pile]);
                }
    }
    // Counts the parent's pile up to each of its cards, once.
    void Count(int pile) {
        if (Counted >> pile & 1)
            return;
        Counted |= 1u << pile;
        const std::uint8_t *card = Par.P.Card;
        int blockers = 0, breaks = 0, soonest = 99;
        for (int at = Par.S[pile]; at < Par.S[pile + 1]; ++at) {
            const int d = Due[card[at]];
            blockers += d > soonest;
            breaks += at > Par.S[pile] && !(Fits[card[at - 1]] >> card[at] & 1);
            soonest = std::min(soonest, d);
            Blockers[at] = static_cast<std::uint8_t>(blockers);
            Breaks[at] = static_cast<std::uint8_t>(breaks);
            Soonest[at] = static_cast<std::uint8_t>(soonest);
        }
    }

    const Parent &Par;
    const std::uint8_t *Due;
    const std::uint64_t *Fits;
    const HomeCounts *Known;
    HomeCounts Counts;
    bool Ready = false;
    std::uint32_t Counted = 0;
    std::uint64_t Located = 0;
    // By place in Card: the blockers and breaks of the pile up to that card, and the
    // soonest a card up to it is due. By card: its home pile and place in it (Locate).
    std::uint8_t Blockers[52], Breaks[52], Soonest[52], Pile[52], Pos[52];
};

} // namespace tabloo::search
