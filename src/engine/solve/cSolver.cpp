#include "cSolver.h"

#include "SolverExpand.h"

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
    if (!p.Autoplay || OneWayInSuit(p.GoalOrder) || p.GoalOrder == kNoOrder)
        return kAllAlike;
    return EitherWayInSuit(p.GoalOrder) ? kGoalsAlike : kNoneAlike;
}

// Can the searches send cards home at once (SendHome): without autoplay, goal piles built
// one way in suit, so that a card has one goal pile at most and the cards sent home make
// the same key in whatever order they go.
bool CanSendHome(const Position &p) { return !p.Autoplay && OneWayInSuit(p.GoalOrder); }

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

} // namespace

Alike cSolver::StyleOf(const Position &p) const {
    if (!Settling)
        return Alikeness;
    for (int goal = Position::kGoal0; goal < Position::kPiles; ++goal)
        if (p.Len[goal] < 2)
            return Alikeness;
    return kSettled;
}

SolveResult cSolver::Solve(const Position &start, const std::atomic<bool> *cancel) {
    SolveResult r;
    Alikeness = PilesAlike(start);
    // How many goal cards must go up before a card's rank can: by the goal order's direction.
    for (int card = 0; card < 52; ++card) {
        const int up = (CardRank(card) - start.GoalBase + 13) % 13, down = (start.GoalBase - CardRank(card) + 13) % 13;
        Due[card] = static_cast<std::uint8_t>(BuildsUp(start.GoalOrder)     ? up
                                              : BuildsDown(start.GoalOrder) ? down
                                                                            : std::min(up, down));
    }
    for (const SearchKind &kind : Plan) {
        if (!kind.RunsOn(start))
            continue;
        Settling = kind.Settles;
        const std::uint64_t limit = kind.Limit(MaxStates, MaxStates > r.States ? MaxStates - r.States : 0);
        if (limit == 0)
            break;
        // A search that leaves out moves (LeftOut) does so where home piles are built down
        // and runs move whole; the others try every move, so that a search that runs out of
        // positions is a proof.
        Pruning = kind.LeavesOut && start.MultiMove && BuildsDown(start.HomeOrder);
        // Without autoplay the quick searches send home at once the cards no card in play
        // is likely to need, and take nothing down from a goal pile: plain FreeCell's
        // search, far smaller, which may miss a win. The complete one sends home only the
        // cards that no card in play can ever need, which loses none.
        SendingHome = CanSendHome(start);
        SureHome = kind.Complete;
        r.Outcome = Search(start, start.Autoplay ? kind.Weights : kind.WeightsByHand, limit, r, cancel);
        if (r.Outcome != Verdict::Unknown)
            break;
    }
    Settling = false;
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
    const StateKey rootKey = MakeKey(start, StyleOf(start));
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
    // A search that sends home cards a card in play may need, or that settles, proves nothing.
    bool pruned = (SendingHome && !SureHome) || Settling;
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
        const Alike style = StyleOf(p);
        const search::Parent parent(p, root, style, SendingHome, SendingHome && !SureHome);
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
            const Alike childStyle = StyleOf(c.P);
            if (childStyle != style)
                c.Key = MakeKey(c.P, childStyle);
            else {
                c.Key = key;
                for (int i = 0; i < n; ++i)
                    c.Key.SetUnder(placed[i].Card,
                                   placed[i].On >= 0 ? placed[i].On : BottomCode(placed[i].Pile, style));
            }
            c.Hash = cStateSet::Hash(c.Key);
            Seen.Prefetch(c.Hash);
            c.Note = NoteMove(placed[0]);
            c.GoalsAsBefore = n == 1 && !Position::IsGoal(m.From) && !Position::IsGoal(m.To);
        }
        search::Scorer scorer(parent, Due, cached ? &counts : nullptr);
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
            const std::uint32_t distance = !EitherWayInSuit(start.GoalOrder)
                                               ? scorer.Distance(c.P, c.M, c.GoalsAsBefore, w, childCounts)
                                               : search::Distance(c.P, w, Due);
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
            const Alike style = StyleOf(cur);
            const bool alike = EveryAreaAlike(style) || (style == kGoalsAlike && Position::IsGoal(onto - 52));
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
