#include "cSolver.h"

#include <algorithm>
#include <span>

namespace tabloo {

namespace {

// A move noted by the card moved and what it was laid on: a card, or 52 + the pile when
// that was empty.
std::uint16_t NoteMove(const Placed &moved) {
    return static_cast<std::uint16_t>(moved.Card | (moved.On >= 0 ? moved.On : 52 + moved.Pile) << 6);
}

// Piles of an area are alike when nothing in play tells them apart: the player may lay a
// card on any of them, and autoplay, which scans them in order, reaches the same cards
// whichever pile it tries first. That holds without autoplay, and with it when every card
// has one goal pile at most: goal orders one way in suit (up or down), or none at all.
// Goal piles built up or down in suit are alike as well: each holds one suit, so a card
// has one goal pile at most there too (a first card, any empty one); but which of two
// cards autoplay sends first, the one from the first home pile, can turn a goal pile up or
// down, so there the home and reserve piles are not alike.
Alike PilesAlike(const Position &p) {
    if (!p.Autoplay || p.GoalOrder == 0 || p.GoalOrder == 3 || p.GoalOrder == kNoOrder)
        return kAllAlike;
    return p.GoalOrder == 7 ? kGoalsAlike : kNoneAlike;
}

// Can the searches send cards home at once (SendHome): without autoplay, goal piles built
// one way in suit, so that a card has one goal pile at most and the cards sent home make
// the same key in whatever order they go.
bool CanSendHome(const Position &p) { return !p.Autoplay && (p.GoalOrder == 0 || p.GoalOrder == 3); }

// Sends home, one at a time, every top card of a home or reserve pile that a goal pile
// takes and that no card left in play needs where it lies. With `sure`, only where that
// loses no win (see docs/solver.md, "Sending cards home"): no card in play fits, in the home
// piles, on the card or on any card of the goal piles (in FreeCell, a red five goes when
// the black fours are home, and every card home has its like home). Without, also when
// every card in play that fits on it has no card in play that fits on it in turn (a red
// five goes when the red threes are home). Notes each card in `placed` when given and
// each move in `moves` when given; returns how many went. A card sent home leaves fewer in
// play and fits on no card in play, so whatever order they go in, the same cards go.
int SendHome(Position &p, bool sure, Placed *placed, std::vector<Move> *moves = nullptr) {
    const std::uint64_t *fits = FitsOnRow(p.HomeOrder, p.HomeAK);
    int n = 0;
    for (;;) {
        std::uint64_t takes[4];
        const std::uint64_t any = GoalsTake(p, takes);
        if (!any)
            return n;
        // The cards in play (all but those on the goal piles), worked out once a top card
        // the goal piles take turns up.
        std::uint64_t inPlay = 0, onGoals = 0;
        int from = -1;
        for (int pile = 0, at = 0; pile < Position::kGoal0 && from < 0; ++pile) {
            at += p.Len[pile];
            if (p.Len[pile] == 0 || !(any >> p.Card[at - 1] & 1))
                continue;
            const int card = p.Card[at - 1];
            if (!inPlay) {
                for (int i = 0, end = p.Start(Position::kGoal0); i < end; ++i)
                    inPlay |= std::uint64_t(1) << p.Card[i];
                if (sure) {
                    // The cards in play that fit on a card of the goal piles: two or more,
                    // and none can go.
                    for (int i = p.Start(Position::kGoal0); i < 52; ++i)
                        onGoals |= fits[p.Card[i]] & inPlay;
                    if (onGoals & (onGoals - 1))
                        return n;
                }
            }
            bool needed = (onGoals & ~(std::uint64_t(1) << card)) != 0;
            if (sure)
                needed = needed || (fits[card] & inPlay);
            for (std::uint64_t x = fits[card] & inPlay; x && !needed; x &= x - 1)
                needed = (fits[__builtin_ctzll(x)] & inPlay) != 0;
            if (!needed)
                from = pile;
        }
        if (from < 0)
            return n;
        const int card = p.Top(from);
        int goal = 0;
        while (!(takes[goal] >> card & 1))
            ++goal;
        const Move m{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(p.Len[from] - 1),
                     static_cast<std::uint8_t>(Position::kGoal0 + goal)};
        if (moves)
            moves->push_back(m);
        MoveCards(p, m.From, m.Pos, m.To);
        if (placed) {
            const int under = p.Len[m.To] > 1 ? p.At(m.To, p.Len[m.To] - 2) : -1;
            placed[n] = {static_cast<std::uint8_t>(card), m.To, static_cast<std::int8_t>(under)};
        }
        ++n;
    }
}

using HomeCounts = cSolver::HomeCounts;

HomeCounts CountHome(const Position &p, const std::uint8_t *due) {
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
std::uint32_t Score(const Position &q, const cSolver::Weights &w, int blockers, int breaks, int emptyHome, int dig) {
    const int onReserve = q.ResPiles - CountEmptyReserve(q);
    const int value = w.ToGo * (52 - q.GoalCards()) + w.Blockers * blockers + w.Breaks * breaks +
                      w.OnReserve * onReserve - w.EmptyHome * emptyHome + w.Dig * dig + 1000;
    return static_cast<std::uint32_t>(std::max(value, 0));
}

// How far a position looks from a win: cards still to go up, cards lying above cards the
// goal piles want sooner, broken runs, cards lying above the cards the goal piles take
// now, and little room to move. Each search of the solver weighs these its own way.
std::uint32_t Distance(const Position &p, const cSolver::Weights &w, const std::uint8_t *due) {
    // Built up or down in suit, a goal pile's second card fixes its way: count from its top.
    std::uint8_t ahead[52];
    if (p.GoalOrder == 7) {
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
        // Moves from a goal pile are listed only where one may not lead back.
        std::uint64_t tops = 0;
        for (int pile = 0; pile < Position::kGoal0; ++pile)
            if (p.Len[pile])
                tops |= std::uint64_t(1) << Top(pile);
        for (int goal = Position::kGoal0; goal < Position::kPiles; ++goal)
            if (goalsStay || (p.Len[goal] && AllGoBack(goal, tops)))
                Sources &= ~(1u << goal);
    }
    int At(int pile, int pos) const { return P.Card[S[pile] + pos]; }
    int Top(int pile) const { return P.Card[S[pile + 1] - 1]; }

    // The moves the quick searches leave out: breaking a run in the home piles (but to send
    // a card up), and laying the last card of a home pile on a reserve pile, which gives up
    // an empty home pile for a full reserve pile.
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
        if (Alike != kAllAlike || P.Len[m.To] != 0 || Position::IsGoal(m.To))
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

} // namespace

SolveResult cSolver::Solve(const Position &start, const std::atomic<bool> *cancel) {
    // Quick searches first, each weighing the position its own way: where one loses its
    // way another often goes straight to a win. Then one with all the budget left.
    static constexpr Weights kWays[] = {
        {10, 8, 2, 6, 10, 3, 4},
        {10, 3, 0, 6, 20, 8, 4},
        {10, 8, 0, 3, 10, 0, 4},
    };
    // Without autoplay, where cards go home a move at a time, broken runs weigh more.
    static constexpr Weights kFirstByHand = {10, 8, 8, 6, 10, 3, 2};
    static constexpr std::uint64_t kQuick[] = {3000, 10000, 30000};
    SolveResult r;
    Alikeness = PilesAlike(start);
    // How many goal cards must go up before a card's rank can: by the goal order's direction.
    for (int card = 0; card < 52; ++card) {
        const int up = (CardRank(card) - start.GoalBase + 13) % 13, down = (start.GoalBase - CardRank(card) + 13) % 13;
        Due[card] = static_cast<std::uint8_t>(start.GoalOrder <= 2   ? up
                                              : start.GoalOrder <= 5 ? down
                                                                     : std::min(up, down));
    }
    for (int i = 0; i <= 3; ++i) {
        const std::uint64_t left = MaxStates > r.States ? MaxStates - r.States : 0;
        const std::uint64_t limit = i < 3 ? std::min(kQuick[i], left) : left;
        if (limit == 0)
            break;
        // The first two leave out moves that seldom help (LeftOut) where home piles are built
        // down and runs move whole; the others try every move, so that a search that runs
        // out of positions is a proof.
        Pruning = i < 2 && start.MultiMove && start.HomeOrder >= 3 && start.HomeOrder <= 5;
        // Without autoplay the quick searches send home at once the cards no card in play
        // is likely to need, and take nothing down from a goal pile: plain FreeCell's
        // search, far smaller, which may miss a win. The last sends home only the cards
        // that no card in play can ever need, which loses none.
        SendingHome = CanSendHome(start);
        SureHome = i == 3;
        r.Outcome = Search(start, i == 0 && !start.Autoplay ? kFirstByHand : kWays[i % 3], limit, r, cancel);
        if (r.Outcome != Verdict::Unknown)
            return r;
    }
    return r;
}

// One search, best first, until a win, the end of all positions, or `limit` positions;
// adds the positions it examined to r.States.
Verdict cSolver::Search(const Position &start, const Weights &w, std::uint64_t limit, SolveResult &r,
                        const std::atomic<bool> *cancel) {
    Seen.Reset();
    if (++Searches == 0) {
        // The numbers start again, once in four billion searches: no entry passes for new.
        for (Recent &m : Made)
            m.Search = 0;
        Searches = 1;
    }
    Queue.Clear();
    bool added;
    const StateKey rootKey = MakeKey(start, Alikeness);
    Seen.Insert(rootKey, cStateSet::Hash(rootKey), cStateSet::kNone, 0, added);
    const std::uint64_t before = r.States;
    r.States = before + 1;
    if (start.Won())
        return Verdict::Winnable;
    if (limit <= 1)
        return Verdict::Unknown;
    Queue.Push(0, 0);
    Placed placed[53];
    std::uint32_t polls = 0;
    bool pruned = SendingHome && !SureHome;
    while (!Queue.Empty()) {
        if (cancel && (polls++ & 255) == 0 && cancel->load(std::memory_order_relaxed))
            return Verdict::Cancelled;
        const std::uint32_t index = Queue.Pop();
        const StateKey key = Seen.Key(index);
        const bool root = index == 0;
        // A position made lately is still at hand; an older one is read back from its key.
        const Recent &recent = Made[index % kRecent];
        const bool cached = !root && recent.Index == index && recent.Search == Searches;
        const Position p = root ? start : cached ? recent.P : FromKey(key, start, Alikeness);
        const HomeCounts counts = cached ? recent.Counts : HomeCounts{};
        const Parent parent(p, root, Alikeness, SendingHome, SendingHome && !SureHome);
        const int moves = LegalMoves(p, Legal, parent.Sources);
        // Every child first, with a look into the table ahead of the lookups.
        if (Children.size() < static_cast<std::size_t>(moves))
            Children.resize(static_cast<std::size_t>(moves));
        std::size_t made = 0;
        for (const Move &m : std::span(Legal, static_cast<std::size_t>(moves))) {
            if (parent.Repeats(m))
                continue;
            if (Pruning && parent.LeftOut(m)) {
                pruned = true;
                continue;
            }
            if (parent.GoesBack(m))
                continue;
            Child &c = Children[made];
            const bool known = parent.KeyAfter(m, key, c.Key);
            if (known) {
                c.Hash = cStateSet::Hash(c.Key);
                if (Seen.Contains(c.Key, c.Hash))
                    continue;
            }
            ++made;
            c.P = p;
            c.M = m;
            if (known) {
                // No cascade follows: the goal piles are as they were.
                MoveCards(c.P, m.From, m.Pos, m.To);
                c.Note = NoteMove({static_cast<std::uint8_t>(parent.At(m.From, m.Pos)), m.To,
                                   static_cast<std::int8_t>(p.Len[m.To] ? parent.Top(m.To) : -1)});
                c.GoalsAsBefore = true;
                continue;
            }
            int n = Play(c.P, m, placed);
            if (SendingHome)
                n += SendHome(c.P, SureHome, placed + n);
            c.Key = key;
            for (int i = 0; i < n; ++i)
                c.Key.SetUnder(placed[i].Card,
                               placed[i].On >= 0 ? placed[i].On : BottomCode(placed[i].Pile, Alikeness));
            c.Hash = cStateSet::Hash(c.Key);
            Seen.Prefetch(c.Hash);
            c.Note = NoteMove(placed[0]);
            c.GoalsAsBefore = n == 1 && !Position::IsGoal(m.From) && !Position::IsGoal(m.To);
        }
        Scorer scorer(parent, Due, cached ? &counts : nullptr);
        for (std::size_t i = 0; i < made; ++i) {
            const Child &c = Children[i];
            const std::uint32_t at = Seen.Insert(c.Key, c.Hash, index, c.Note, added);
            if (!added)
                continue;
            r.States = before + Seen.Size();
            if (c.P.Won()) {
                r.Moves = PathTo(start, at);
                return Verdict::Winnable;
            }
            if (Seen.Size() >= limit)
                return Verdict::Unknown;
            HomeCounts childCounts;
            const std::uint32_t distance = start.GoalOrder != 7
                                               ? scorer.Distance(c.P, c.M, c.GoalsAsBefore, w, childCounts)
                                               : Distance(c.P, w, Due);
            Queue.Push(distance + w.Depth * Seen.Depth(at) / 8, at);
            Made[at % kRecent] = {at, Searches, c.P, childCounts};
        }
    }
    // Out of positions: a proof unless a move was left out.
    return pruned ? Verdict::Unknown : Verdict::Unwinnable;
}

void cSolver::cQueue::Clear() {
    for (std::size_t d = Lowest; d <= Highest && d < Buckets.size(); ++d)
        Buckets[d].clear();
    Waiting = Lowest = Highest = 0;
}

void cSolver::cQueue::Push(std::uint32_t distance, std::uint32_t index) {
    if (distance >= Buckets.size())
        Buckets.resize(distance + std::size_t(1));
    Buckets[distance].push_back(index);
    if (Waiting++ == 0 || distance < Lowest)
        Lowest = distance;
    Highest = std::max<std::size_t>(Highest, distance);
}

std::uint32_t cSolver::cQueue::Pop() {
    while (Buckets[Lowest].empty())
        ++Lowest;
    const std::uint32_t index = Buckets[Lowest].back();
    Buckets[Lowest].pop_back();
    --Waiting;
    return index;
}

// The moves from `start` to position number `last`, along the positions that led to it.
// Each is noted by the card moved and what it was laid on, which holds however the search
// ordered piles that are alike.
std::vector<Move> cSolver::PathTo(const Position &start, std::uint32_t last) const {
    std::vector<std::uint16_t> notes;
    for (std::uint32_t i = last; Seen.Parent(i) != cStateSet::kNone; i = Seen.Parent(i))
        notes.push_back(Seen.MoveTo(i));
    std::vector<Move> path;
    Position cur = start;
    for (auto note = notes.rbegin(); note != notes.rend(); ++note) {
        const int card = *note & 63, onto = *note >> 6;
        // The pile and place of a card.
        auto find = [&cur](int which, int &pos) {
            const int at = static_cast<int>(std::find(cur.Card, cur.Card + 52, which) - cur.Card);
            int pile = 0, start = 0;
            while (start + cur.Len[pile] <= at)
                start += cur.Len[pile++];
            pos = at - start;
            return pile;
        };
        Move m{};
        int pos;
        m.From = static_cast<std::uint8_t>(find(card, pos));
        m.Pos = static_cast<std::uint8_t>(pos);
        if (onto < 52)
            m.To = static_cast<std::uint8_t>(find(onto, pos));
        else {
            // An empty pile: where piles are alike, the first empty one of the area.
            m.To = static_cast<std::uint8_t>(onto - 52);
            const bool alike = Alikeness == kAllAlike || (Alikeness == kGoalsAlike && Position::IsGoal(onto - 52));
            for (int pile = Position::kPiles - 1; alike && pile >= 0; --pile)
                if (cur.Len[pile] == 0 && cur.InPlay(pile) && AreaOf(pile) == AreaOf(onto - 52))
                    m.To = static_cast<std::uint8_t>(pile);
        }
        path.push_back(m);
        Play(cur, m);
        if (SendingHome)
            SendHome(cur, SureHome, nullptr, &path);
    }
    return path;
}

} // namespace tabloo
