// The position functions against a plain reading of the rules, over random variants and play.
#include "TestGame.h"

#include <iterator>

namespace tabloo::test {
namespace {

// The rules read card by card from the table, the long way round.
struct TableRules {
    Game &TheGame;

    int Riding(std::int16_t id) const {
        const cCard &c = TheGame.Card(id);
        const std::int16_t top = TheGame.TopPos(c.Cell, c.Pile);
        if (c.Pos == top)
            return 0;
        if (c.Cell != kHome || cRegistry(TheGame.Settings).MultiMove() != 1)
            return -1;
        const int n = top - c.Pos;
        const int f = TheGame.CountEmptyPiles(kReserve), e = TheGame.CountEmptyPiles(kHome);
        if (n > (f + 1) * e + f)
            return -1;
        for (int i = c.Pos; i < top; ++i)
            if (!TheGame.FitsOrder(TheGame.CardAt(kHome, c.Pile, static_cast<std::int16_t>(i)),
                                   TheGame.CardAt(kHome, c.Pile, static_cast<std::int16_t>(i + 1)),
                                   TheGame.Order(kHome), TheGame.AK(kHome)))
                return -1;
        return n;
    }

    bool Takes(std::int16_t id, int riding, std::int16_t cell, std::int16_t pile) const {
        const cCard &c = TheGame.Card(id);
        const std::int16_t top = TheGame.TopPos(cell, pile);
        if (cell == kHome)
            return top == -1 ||
                   (!(c.Cell == kHome && c.Pile == pile) &&
                    TheGame.FitsOrder(TheGame.TopCard(cell, pile), id, TheGame.Order(kHome), TheGame.AK(kHome)));
        if (cell == kReserve)
            return riding == 0 && top == -1;
        if (riding != 0 || (c.Cell == kGoal && c.Pile == pile) || top >= 12)
            return false;
        return top == -1 ? c.Num == TheGame.GoalBase()
                         : TheGame.FitsOrder(TheGame.TopCard(cell, pile), id, TheGame.Order(kGoal), TheGame.AK(kGoal));
    }

    std::vector<std::tuple<int, int, int, int>> Moves() const {
        std::vector<std::tuple<int, int, int, int>> out;
        for (std::int16_t cell : {kHome, kReserve, kGoal})
            for (std::int16_t p = 0; p < TheGame.Piles(cell); ++p)
                for (std::int16_t pos = 0; pos <= TheGame.TopPos(cell, p); ++pos) {
                    const std::int16_t id = TheGame.CardAt(cell, p, pos);
                    const int riding = Riding(id);
                    if (riding >= 0)
                        for (std::int16_t dCell : {kHome, kReserve, kGoal})
                            for (std::int16_t d = 0; d < TheGame.Piles(dCell); ++d)
                                if (Takes(id, riding, dCell, d))
                                    out.emplace_back(id, riding, dCell, d);
                }
        return out;
    }

    // Home then reserve tops to the first goal pile taking them, rescanning after each, depth first.
    void AutoplayAll() {
        for (std::int16_t cell : {kHome, kReserve})
            for (std::int16_t p = 0; p < TheGame.Piles(cell); ++p)
                if (TheGame.TopPos(cell, p) != -1) {
                    const std::int16_t id = TheGame.TopCard(cell, p);
                    for (std::int16_t g = 0; g < kGoalPiles; ++g)
                        if (Takes(id, 0, kGoal, g)) {
                            TheGame.PlayMove(id, {kGoal, g});
                            AutoplayAll();
                            break;
                        }
                }
    }
};

void SetRandomVariant(TestGame &t, std::mt19937 &rng) {
    const int resPiles = static_cast<int>(rng() % 5);
    t.Set("HomePiles", std::to_string(4 + rng() % 7));
    t.Set("ResPiles", std::to_string(resPiles));
    t.Set("ResCards", std::to_string(rng() % (resPiles + 1)));
    t.Set("GoalCards", std::to_string(rng() % 5));
    t.Set("GoalBase", std::to_string(rng() % 14));
    // Now and then an order outside 0..9, which fits no pair.
    t.Set("HomeOrder", std::to_string(rng() % 23 == 0 ? 12 : rng() % 10));
    t.Set("GoalOrder", std::to_string(rng() % 23 == 0 ? 12 : rng() % 10));
    t.Set("HomeAK", std::to_string(rng() % 2));
    t.Set("MultiMove", std::to_string(rng() % 2));
    t.Set("Autoplay", std::to_string(rng() % 2));
}

TEST(Position, MovesAndTheirOutcomeAreTheGamesOverRandomVariantsAndPositions) {
    std::mt19937 rng(99);
    int positions = 0, cascades = 0;
    for (int game = 0; game < 80; ++game) {
        TestGame t;
        SetRandomVariant(t, rng);
        t.TheGame.StartGame(static_cast<double>(rng() % 100000));
        TableRules rules{t.TheGame};
        for (int step = 0; step < 60 && !t.TheGame.WinNoticed(); ++step, ++positions) {
            const Position p = t.TheGame.CurrentPosition();
            // The moves allowed: the game's list is the position's, and the table's reading agrees.
            std::vector<std::tuple<int, int, int, int>> listed;
            for (const LegalMove &m : t.TheGame.LegalMoves())
                listed.emplace_back(m.PicID, m.Riding, m.Target.Cell, m.Target.Pile);
            ASSERT_EQ(listed, rules.Moves()) << "game " << game << " step " << step << "\n" << t.Board();
            {
                // Listing the moves of some piles only lists those piles' moves, in the same order.
                Move all[kMaxMoves], some[kMaxMoves];
                const std::uint32_t from = 0x9E3779B9u >> (step % 7);
                std::vector<Move> want;
                std::copy_if(all, all + LegalMoves(p, all), std::back_inserter(want),
                             [from](Move m) { return from >> m.From & 1; });
                ASSERT_EQ(std::vector<Move>(some, some + LegalMoves(p, some, from)), want);
            }
            if (step % 8 == 0)
                for (std::int16_t id = 0; id < kTotalCards; ++id) {
                    const int riding = rules.Riding(id);
                    ASSERT_EQ(t.TheGame.PickUpCount(id), riding) << t.Board();
                    for (std::int16_t cell : {kHome, kReserve, kGoal})
                        for (std::int16_t d = 0; d < t.TheGame.Piles(cell); ++d)
                            ASSERT_EQ(t.TheGame.Accepts(id, static_cast<std::int16_t>(std::max(riding, 0)), cell, d),
                                      rules.Takes(id, std::max(riding, 0), cell, d));
                }
            const unsigned roll = rng() % 8;
            if (roll == 0 || listed.empty()) {
                // Undo leaves cards that autoplay would take: the next move sends them up.
                if (!t.TheGame.Undo(0))
                    break;
                continue;
            }
            const auto [id, riding, cell, pile] = listed[rng() % listed.size()];
            const cCard &c = t.TheGame.Card(id);
            const Move m{static_cast<std::uint8_t>(PileOf(c.Cell, c.Pile)), static_cast<std::uint8_t>(c.Pos),
                         static_cast<std::uint8_t>(PileOf(cell, pile))};
            Position expected = p;
            Play(expected, m);
            cascades += expected.GoalCards() > p.GoalCards() + (cell == kGoal);
            // Now and then the game's move without autoplay, then the cascade read off the table.
            const bool byTable = roll % 2 && p.Autoplay;
            if (byTable)
                t.Set("Autoplay", "0");
            ASSERT_TRUE(t.TheGame.PlayMove(static_cast<std::int16_t>(id),
                                           {static_cast<std::int16_t>(cell), static_cast<std::int16_t>(pile)}));
            if (byTable) {
                rules.AutoplayAll();
                t.Set("Autoplay", "1");
            }
            ASSERT_TRUE(Consistent(t.TheGame));
            ASSERT_TRUE(t.TheGame.CurrentPosition() == expected) << "game " << game << " step " << step << "\n"
                                                                 << t.Board();
        }
    }
    EXPECT_GT(positions, 3000);
    EXPECT_GT(cascades, 40) << "the moves should set off autoplay often";
}

} // namespace
} // namespace tabloo::test
