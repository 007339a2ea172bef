#include "Position.h"

#include "cGames.h"

#include <algorithm>
#include <cstring>

namespace tabloo {

void SetRules(Position &p, int homePiles, int resPiles, int homeOrder, int goalOrder, bool homeAK, bool goalAK,
              int goalBase, bool multiMove, bool autoplay) {
    p = Position{};
    p.HomePiles = static_cast<std::uint8_t>(homePiles);
    p.ResPiles = static_cast<std::uint8_t>(resPiles);
    auto order = [](int v) { return static_cast<std::uint8_t>(v >= 0 && v <= 9 ? v : kNoOrder); };
    p.HomeOrder = order(homeOrder);
    p.GoalOrder = order(goalOrder);
    p.HomeAK = homeAK;
    p.GoalAK = goalAK;
    p.GoalBase = static_cast<std::uint8_t>(goalBase);
    p.MultiMove = multiMove;
    p.Autoplay = autoplay;
}

void PushCard(Position &p, int pile, int card) {
    const int at = p.Start(pile) + p.Len[pile];
    int total = 0;
    for (int i = 0; i < Position::kPiles; ++i)
        total += p.Len[i];
    std::memmove(p.Card + at + 1, p.Card + at, static_cast<std::size_t>(total - at));
    p.Card[at] = static_cast<std::uint8_t>(card);
    ++p.Len[pile];
}

int CountEmptyHome(const Position &p) {
    int n = 0;
    for (int i = 0; i < p.HomePiles; ++i)
        n += p.Len[Position::kHome0 + i] == 0;
    return n;
}

int CountEmptyReserve(const Position &p) {
    int n = 0;
    for (int i = 0; i < p.ResPiles; ++i)
        n += p.Len[Position::kReserve0 + i] == 0;
    return n;
}

namespace {
// How many cards may ride on a lifted card with `f` empty reserve piles and `e` empty home
// piles.
constexpr int ExtraCards(int f, int e) { return (f + 1) * e + f; }
} // namespace

int MaxExtraCards(const Position &p) { return ExtraCards(CountEmptyReserve(p), CountEmptyHome(p)); }

bool IsOrderedRun(const Position &p, int pile, int pos, int count) {
    if (count == 0)
        return true;
    if (pos < 0 || count < 0 || pos + count >= p.Len[pile])
        return false;
    const std::uint8_t *c = p.Card + p.Start(pile);
    for (int i = pos; i < pos + count; ++i)
        if (!FitsOrder(c[i], c[i + 1], p.HomeOrder, p.HomeAK))
            return false;
    return true;
}

int PickUpCount(const Position &p, int pile, int pos) {
    if (pile < 0 || pile >= Position::kPiles || !p.InPlay(pile) || pos < 0 || pos >= p.Len[pile])
        return -1;
    const int riding = p.Len[pile] - 1 - pos;
    if (riding == 0)
        return 0;
    // Only the top card of a reserve or goal pile can be lifted.
    if (!Position::IsHome(pile))
        return -1;
    if (!p.MultiMove || riding > MaxExtraCards(p) || !IsOrderedRun(p, pile, pos, riding))
        return -1;
    return riding;
}

std::uint64_t GoalTakes(const Position &p, int goal) {
    const int len = p.Len[goal];
    if (len >= Position::kGoalFull)
        return 0;
    if (len == 0)
        return RankMask(p.GoalBase);
    return FitsOn(p.Top(goal), p.GoalOrder, p.GoalAK);
}

bool Accepts(const Position &p, int card, int from, int riding, int to) {
    if (to < 0 || to >= Position::kPiles || !p.InPlay(to) || card < 0 || card >= 52)
        return false;
    if (Position::IsHome(to)) {
        if (p.Len[to] == 0)
            return true;
        return to != from && FitsOrder(p.Top(to), card, p.HomeOrder, p.HomeAK);
    }
    if (Position::IsReserve(to))
        return riding == 0 && p.Len[to] == 0;
    return riding == 0 && to != from && (GoalTakes(p, to) >> card & 1);
}

int GoalTarget(const Position &p, int card, int from) {
    for (int g = Position::kGoal0; g < Position::kPiles; ++g)
        if (g != from && (GoalTakes(p, g) >> card & 1))
            return g;
    return -1;
}

void LegalMoves(const Position &p, std::vector<Move> &out) {
    Move moves[kMaxMoves];
    out.assign(moves, moves + LegalMoves(p, moves));
}

int LegalMoves(const Position &p, Move *out, std::uint32_t from) {
    Move *next = out;
    const std::uint64_t *fitsOn = FitsOnRow(p.HomeOrder, p.HomeAK), *fitsUnder = FitsUnderRow(p.HomeOrder, p.HomeAK);
    // The top cards of the home piles, with the pile of each: a card goes on the piles whose
    // top it fits on, and on every empty home pile.
    std::uint64_t homeTops = 0;
    std::uint8_t topPile[52];
    std::uint32_t emptyHome = 0;
    int at = 0, e = 0;
    for (int t = 0; t < p.HomePiles; ++t) {
        const int len = p.Len[t];
        if (len == 0) {
            emptyHome |= 1u << t;
            ++e;
            continue;
        }
        at += len;
        const int top = p.Card[at - 1];
        homeTops |= std::uint64_t(1) << top;
        topPile[top] = static_cast<std::uint8_t>(t);
    }
    // Single cards also go on the empty reserve piles and the goal piles that take them.
    std::uint32_t emptyReserve = 0;
    int f = 0;
    for (int r = 0; r < p.ResPiles; ++r)
        if (p.Len[Position::kReserve0 + r] == 0) {
            emptyReserve |= 1u << (Position::kReserve0 + r);
            ++f;
        }
    std::uint64_t goalTakes[4];
    const std::uint64_t anyGoal = GoalsTake(p, goalTakes);
    const int extra = p.MultiMove ? ExtraCards(f, e) : 0;
    // The piles that take `card` lifted from pile `s`, with `riding` cards on it.
    auto targets = [&](int card, int s, bool single) {
        std::uint32_t to = emptyHome;
        for (std::uint64_t m = fitsUnder[card] & homeTops; m; m &= m - 1)
            to |= 1u << topPile[__builtin_ctzll(m)];
        if (single) {
            to |= emptyReserve;
            if (anyGoal >> card & 1)
                for (int g = 0; g < 4; ++g)
                    to |= static_cast<std::uint32_t>(goalTakes[g] >> card & 1) << (Position::kGoal0 + g);
        }
        return to & ~(1u << s);
    };
    auto emit = [&](int s, int pos, std::uint32_t to) {
        for (; to; to &= to - 1)
            *next++ = {static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(pos),
                       static_cast<std::uint8_t>(__builtin_ctz(to))};
    };
    at = 0;
    for (int s = 0; s < Position::kPiles; ++s) {
        const int len = p.Len[s];
        const std::uint8_t *cards = p.Card + at;
        at += len;
        if (len == 0 || !(from >> s & 1))
            continue;
        // The lowest card that can be lifted: the ordered run on top, within the capacity.
        int low = len - 1;
        if (Position::IsHome(s))
            while (low > 0 && len - low <= extra && (fitsOn[cards[low - 1]] >> cards[low] & 1))
                --low;
        for (int pos = low; pos < len - 1; ++pos)
            emit(s, pos, targets(cards[pos], s, false));
        emit(s, len - 1, targets(cards[len - 1], s, true));
    }
    return static_cast<int>(next - out);
}

std::uint64_t GoalsTake(const Position &p, std::uint64_t takes[4]) {
    const int goalStart = p.Start(Position::kGoal0);
    const std::uint64_t *fits = FitsOnRow(p.GoalOrder, p.GoalAK);
    std::uint64_t any = 0;
    for (int g = 0, end = goalStart; g < 4; ++g) {
        const int len = p.Len[Position::kGoal0 + g];
        end += len;
        takes[g] = len >= Position::kGoalFull ? 0 : len == 0 ? RankMask(p.GoalBase) : fits[p.Card[end - 1]];
        any |= takes[g];
    }
    return any;
}

namespace {
// The first home, then reserve, pile whose top card is in `cards`, with where it ends in
// Card; false when there is none.
bool FirstTopIn(const Position &p, std::uint64_t cards, int &pile, int &end) {
    int top = 0;
    for (int i = 0; i < Position::kGoal0; ++i) {
        const int len = p.Len[i];
        top += len;
        if (len != 0 && (cards >> p.Card[top - 1] & 1)) {
            pile = i;
            end = top;
            return true;
        }
    }
    return false;
}
} // namespace

bool NextAutoplay(const Position &p, int &from, int &goal) {
    std::uint64_t takes[4];
    const std::uint64_t any = GoalsTake(p, takes);
    int end;
    if (!any || !FirstTopIn(p, any, from, end))
        return false;
    const int card = p.Card[end - 1];
    for (goal = 0; !(takes[goal] >> card & 1); ++goal) {
    }
    goal += Position::kGoal0;
    return true;
}

namespace {
// Moves the run and notes the card laid.
void Shift(Position &p, int from, int pos, int to, Placed *placed) {
    const int fromAt = p.Start(from) + pos, toEnd = p.Start(to) + p.Len[to];
    const int n = p.Len[from] - pos;
    if (placed)
        *placed = {p.Card[fromAt], static_cast<std::uint8_t>(to),
                   static_cast<std::int8_t>(p.Len[to] ? p.Card[toEnd - 1] : -1)};
    if (n == 1) {
        const std::uint8_t card = p.Card[fromAt];
        if (from < to) {
            std::memmove(p.Card + fromAt, p.Card + fromAt + 1, static_cast<std::size_t>(toEnd - 1 - fromAt));
            p.Card[toEnd - 1] = card;
        } else {
            std::memmove(p.Card + toEnd + 1, p.Card + toEnd, static_cast<std::size_t>(fromAt - toEnd));
            p.Card[toEnd] = card;
        }
        --p.Len[from];
        ++p.Len[to];
        return;
    }
    std::uint8_t run[52];
    std::memcpy(run, p.Card + fromAt, static_cast<std::size_t>(n));
    if (from < to) {
        // The cards between the run and the top of `to` slide down.
        std::memmove(p.Card + fromAt, p.Card + fromAt + n, static_cast<std::size_t>(toEnd - n - fromAt));
        std::memcpy(p.Card + toEnd - n, run, static_cast<std::size_t>(n));
    } else {
        // The cards between the top of `to` and the run slide up.
        std::memmove(p.Card + toEnd + n, p.Card + toEnd, static_cast<std::size_t>(fromAt - toEnd));
        std::memcpy(p.Card + toEnd, run, static_cast<std::size_t>(n));
    }
    p.Len[from] = static_cast<std::uint8_t>(p.Len[from] - n);
    p.Len[to] = static_cast<std::uint8_t>(p.Len[to] + n);
}
} // namespace

void MoveCards(Position &p, int from, int pos, int to) { Shift(p, from, pos, to, nullptr); }

int Autoplay(Position &p, Placed *placed) {
    if (!p.Autoplay)
        return 0;
    // What the goal piles take is worked out once, then kept up as cards go up.
    std::uint64_t takes[4];
    std::uint64_t any = GoalsTake(p, takes);
    int n = 0, from, end;
    while (any && FirstTopIn(p, any, from, end)) {
        const int card = p.Card[end - 1];
        int g = 0;
        while (!(takes[g] >> card & 1))
            ++g;
        Shift(p, from, p.Len[from] - 1, Position::kGoal0 + g, placed ? placed + n : nullptr);
        ++n;
        takes[g] = p.Len[Position::kGoal0 + g] >= Position::kGoalFull ? 0 : FitsOn(card, p.GoalOrder, p.GoalAK);
        any = takes[0] | takes[1] | takes[2] | takes[3];
    }
    return n;
}

int Play(Position &p, Move m, Placed *placed) {
    Shift(p, m.From, m.Pos, m.To, placed);
    return 1 + Autoplay(p, placed ? placed + 1 : nullptr);
}

int PileOf(int area, int pile) {
    switch (area) {
    case kHome:
        return pile >= 0 && pile < 10 ? pile : -1;
    case kReserve:
        return pile >= 0 && pile < 4 ? Position::kReserve0 + pile : -1;
    case kGoal:
        return pile >= 0 && pile < 4 ? Position::kGoal0 + pile : -1;
    default:
        return -1;
    }
}

} // namespace tabloo
