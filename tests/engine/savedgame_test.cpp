// The kept game: brought back exactly or counted lost once, whatever moment a kill comes.
#include "TestGame.h"
#include "cSolver.h"

namespace tabloo::test {
namespace {

std::vector<TransRecord> Records(const Game &g) { return {g.Log().begin(), g.Log().end()}; }

TEST(SavedGame, RandomGamesOverRandomVariantsComeBackExactly) {
    std::mt19937 rng(12);
    for (int round = 0; round < 40; ++round) {
        TestGame t;
        const char *settings[][2] = {{"HomePiles", "4"}, {"HomePiles", "10"}, {"ResPiles", "0"},  {"ResPiles", "2"},
                                     {"ResCards", "2"},  {"GoalCards", "3"},  {"GoalBase", "13"}, {"GoalBase", "6"},
                                     {"HomeOrder", "6"}, {"HomeOrder", "9"},  {"GoalOrder", "3"}, {"HomeAK", "1"},
                                     {"MultiMove", "0"}, {"Autoplay", "0"}};
        for (int k = 0; k < 4; ++k) {
            const auto &s = settings[rng() % std::size(settings)];
            t.Set(s[0], s[1]);
        }
        t.TheGame.StartGame(std::to_string(rng() % 100000));
        t.Clock.Now += 95;
        const int steps = PlayAWhile(t.TheGame, rng, 20 + static_cast<int>(rng() % 150));
        if (!t.TheGame.Running() || t.TheGame.WinNoticed())
            continue;
        const std::string board = t.Board();
        // A game handed to the solver stays handed over.
        const bool givenUp = round % 4 == 0;
        if (givenUp)
            t.TheGame.GiveUp();

        GameOn again(t.Settings, t.Clock.Now + 5000);
        ASSERT_TRUE(again.TheGame.HasKeptGame());
        std::string fault;
        ASSERT_TRUE(again.TheGame.ResumeSavedGame(fault)) << fault;
        EXPECT_EQ(FormatBoard(again.TheGame), board) << "round " << round;
        EXPECT_EQ(again.TheGame.GameNo(), t.TheGame.GameNo());
        EXPECT_EQ(again.TheGame.HandedOver(), givenUp);
        EXPECT_EQ(again.TheGame.MovesInForce(), t.TheGame.MovesInForce());
        EXPECT_TRUE(Records(again.TheGame) == Records(t.TheGame)) << "round " << round;
        // The time played up to the last move, not the time the program was away.
        EXPECT_EQ(again.TheGame.ElapsedSeconds(), steps > 0 ? t.TheGame.ElapsedSeconds() : 0);
        EXPECT_TRUE(Consistent(again.TheGame));
        // Redo goes on where the first program would have.
        t.TheGame.RedoAll(0);
        again.TheGame.RedoAll(0);
        EXPECT_EQ(FormatBoard(again.TheGame), t.Board());
    }
}

TEST(SavedGame, AGameThatCannotComeBackCountsAsLostOnceAndIsDropped) {
    const std::pair<const char *, const char *> faults[] = {
        {"Seconds", nullptr},        {"HomePiles", "12"}, {"GoalOrder", "-1"}, {"Current", "999"}, {"Moves0", "1.2.x"},
        {"Moves0", "1.0.0.0.3.0.0"}, {"GameNo", "12abc"}, {"Player", "11"},    {"Last", "250"},    {"ResCards", "4"},
    };
    // Game 123 without autoplay, its top cards of home piles 7, 6 and 5 on free cells.
    const auto threeMoves = [](TestGame &t) {
        t.Set("Autoplay", "0");
        t.TheGame.StartGame(123.0);
        for (std::int16_t p : {7, 6, 5})
            ASSERT_TRUE(t.Move(kHome, p, t.TheGame.TopPos(kHome, p), kReserve, static_cast<std::int16_t>(7 - p)));
    };
    for (const auto &[key, value] : faults) {
        TestGame t;
        threeMoves(t);
        if (value)
            t.Store.Write(cSavedGame::kSection, key, value);
        else
            t.Settings.Write("Tabloo", cSavedGame::kSection, key, "");
        GameOn again(t.Settings, t.Clock.Now);
        std::string fault;
        EXPECT_FALSE(again.TheGame.ResumeSavedGame(fault)) << key;
        EXPECT_FALSE(fault.empty()) << key;
        EXPECT_EQ(again.Store.GetPlayerGames(1), 1) << key;
        EXPECT_FALSE(again.TheGame.HasKeptGame()) << key;
        EXPECT_FALSE(again.TheGame.Running()) << key;
    }
    // A move the rules refuse: the moves before it count, and the game as lost.
    TestGame t;
    threeMoves(t);
    std::string moves;
    t.Store.Read(cSavedGame::kSection, "Moves0", moves);
    // The third card goes onto the free cell the first one took.
    t.Store.Write(cSavedGame::kSection, "Moves0",
                  moves.substr(0, moves.rfind(' ')) + " " + std::to_string(t.TheGame.LogRecord(3).PicID) + ".0.5." +
                      std::to_string(t.TheGame.LogRecord(3).SPos) + ".4.0.1.0");
    GameOn again(t.Settings, t.Clock.Now);
    std::string fault;
    EXPECT_FALSE(again.TheGame.ResumeSavedGame(fault));
    EXPECT_EQ(fault, "move 3 is not allowed there");
    EXPECT_EQ(Record(again.Store, 1), "games 1 won 0 score 0 moves 2");
    EXPECT_FALSE(again.TheGame.HasKeptGame());
}

// A store that takes an update's writes at once at its end, like the file, showing each state.
struct FileLikeSettings : cMemorySettings {
    int Depth = 0;
    std::vector<std::function<void()>> Pending;
    std::function<void(const FileLikeSettings &)> OnState;
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
        Do([=, this, a = std::string(app), s = std::string(section), k = std::string(key), v = std::string(value)] {
            cMemorySettings::Write(a, s, k, v);
        });
    }
    void RemoveSection(std::string_view app, std::string_view section) override {
        Do([this, a = std::string(app), s = std::string(section)] { cMemorySettings::RemoveSection(a, s); });
    }
    void BeginUpdate() override { ++Depth; }
    void EndUpdate() override {
        if (--Depth == 0)
            Flush();
    }
    void Do(std::function<void()> change) {
        Pending.push_back(std::move(change));
        if (Depth == 0)
            Flush();
    }
    void Flush() {
        for (auto &change : std::exchange(Pending, {}))
            change();
        if (OnState)
            OnState(*this);
    }
    // Reads see what is still pending, as a reader inside the update would.
    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override {
        if (!Pending.empty()) {
            FileLikeSettings copy = *this;
            copy.OnState = nullptr;
            for (auto &change : copy.Pending)
                change();
            return copy.cMemorySettings::Read(app, section, key, value);
        }
        return cMemorySettings::Read(app, section, key, value);
    }
};

// The slots held by the copies running on one store; a copy killed lets its slots go.
struct SlotTable {
    std::map<int, int> Holder; // slot -> copy
    struct Locks : ISlotLocks {
        SlotTable &Table;
        int Copy;
        Locks(SlotTable &table, int copy) : Table(table), Copy(copy) {}
        ~Locks() override {
            std::erase_if(Table.Holder, [&](const auto &h) { return h.second == Copy; });
        }
        bool TryHold(int slot) override { return Table.Holder.emplace(slot, Copy).second; }
    };
};

// A copy of the game started on the store, with its own slot.
struct Copy {
    std::unique_ptr<SlotTable::Locks> Held;
    GameOn Program;
    Copy(ISettingsBackend &store, SlotTable &slots, int id) : Program(store, 2'000'000) {
        Held = std::make_unique<SlotTable::Locks>(slots, id);
        EXPECT_TRUE(Program.TheGame.ClaimKeptSlot(*Held));
    }
    Game &G() { return Program.TheGame; }
};

TEST(SavedGame, TwoCopiesOnOneStoreEachKeepTheirOwnGame) {
    cMemorySettings store;
    SlotTable slots;
    auto a = std::make_unique<Copy>(store, slots, 1);
    a->G().EnsureFirstPlayer();
    a->G().StartGame(std::string_view("111"));
    a->G().PlayMove(a->G().TopCard(kHome, 7), {kReserve, 0});
    const std::string boardA = FormatBoard(a->G());
    ASSERT_GT(a->G().MovesInForce(), 0);
    // B starts while A plays: A's game is not B's to offer, and B's deal leaves it kept.
    auto b = std::make_unique<Copy>(store, slots, 2);
    EXPECT_EQ(b->G().KeptSlot(), 2);
    EXPECT_FALSE(b->G().HasKeptGame()) << "A's running game is not offered";
    b->G().StartGame(std::string_view("222"));
    EXPECT_EQ(a->G().KeptGameNo(), "111");
    EXPECT_EQ(b->G().KeptGameNo(), "222");
    // A is killed: nothing counted, its game kept. C starts and is offered A's game, not B's.
    a.reset();
    EXPECT_EQ(cRegistry(b->G().Settings).GetPlayerGames(1), 0);
    auto c = std::make_unique<Copy>(store, slots, 3);
    EXPECT_EQ(c->G().KeptSlot(), 1);
    ASSERT_TRUE(c->G().HasKeptGame());
    EXPECT_EQ(c->G().KeptGameNo(), "111");
    std::string fault;
    ASSERT_TRUE(c->G().ResumeSavedGame(fault)) << fault;
    EXPECT_EQ(FormatBoard(c->G()), boardA);
    // Each game ends once, in its own copy.
    c->G().EndGame(0);
    b->G().EndGame(0);
    EXPECT_EQ(cRegistry(c->G().Settings).GetPlayerGames(1), 2);
    // B, killed in its next game, leaves it to the next start, whichever slot that takes first.
    b->G().StartGame(std::string_view("333"));
    b.reset();
    c.reset();
    Copy d(store, slots, 4);
    EXPECT_EQ(d.G().KeptSlot(), 2);
    EXPECT_EQ(d.G().KeptGameNo(), "333");
    d.G().AbandonSavedGame();
    EXPECT_EQ(cRegistry(d.G().Settings).GetPlayerGames(1), 3);
    EXPECT_FALSE(d.G().HasKeptGame());
}

TEST(SavedGame, ACopyWithoutASlotKeepsNothingAndTouchesNoOtherGame) {
    cMemorySettings store;
    SlotTable slots;
    for (int slot = 1; slot <= cSavedGame::kSlots; ++slot)
        slots.Holder[slot] = 100;
    store.Write("Tabloo", "Game", "GameNo", "5");
    GameOn late(store, 0);
    SlotTable::Locks held(slots, 7);
    EXPECT_FALSE(late.TheGame.ClaimKeptSlot(held));
    late.TheGame.EnsureFirstPlayer();
    late.TheGame.StartGame(9.0);
    late.TheGame.EndGame(0);
    std::string text;
    EXPECT_TRUE(store.Read("Tabloo", "Game", "GameNo", text) && text == "5") << "slot 1's game stays";
    EXPECT_EQ(cRegistry(late.TheGame.Settings).GetPlayerGames(1), 1);
}

TEST(SavedGame, WhereverTheProgramIsKilledEveryGameIsCountedOnce) {
    FileLikeSettings store;
    GameOn on(store);
    Game &g = on.TheGame;
    g.EnsureFirstPlayer();
    // In every state a kill could leave, games counted plus the game kept make the games dealt.
    std::set<std::string> dealt;
    int states = 0;
    store.OnState = [&](const FileLikeSettings &s) {
        cRegistry reg(const_cast<FileLikeSettings &>(s));
        cSavedGame kept(reg);
        if (kept.Present())
            dealt.insert(kept.GameNo());
        EXPECT_EQ(reg.GetPlayerGames(1) + (kept.Present() ? 1 : 0), static_cast<int>(dealt.size()))
            << "state " << states;
        ++states;
    };
    std::mt19937 rng(3);
    for (int game = 1; game <= 6; ++game) {
        g.StartGame(static_cast<double>(game * 1000));
        PlayAWhile(g, rng, 30);
        if (game % 3 == 0)
            g.EndGame(0);
    }
    EXPECT_GT(states, 100);
    EXPECT_EQ(cRegistry(g.Settings).GetPlayerGames(1), 6);
}

// Plays the first `count` moves of a winning line of the position on the table.
bool PlayWinningLine(Game &g, std::size_t count = SIZE_MAX) {
    const SolveResult r = cSolver().Solve(g.CurrentPosition());
    return r.Outcome == Verdict::Winnable && PlayMoves(g, r.Moves, count);
}

// A game handed to Show Solution scores as an unfinished game, counting no more goal cards
// than lay home when the solver took over: 10 a card up to those, less a point every 3 s.
TEST(SavedGame, AGameHandedToTheSolverEarnsNothingForTheCardsTheSolverSentHome) {
    TestGame t;
    t.TheGame.StartGame(1.0);
    ASSERT_TRUE(PlayWinningLine(t.TheGame, 3));
    t.Clock.Now += 30;
    const std::int16_t home = t.TheGame.GoalCardCount();
    ASSERT_LT(home, kTotalCards);
    t.TheGame.GiveUp();
    ASSERT_TRUE(PlayWinningLine(t.TheGame));
    ASSERT_EQ(t.TheGame.GoalCardCount(), kTotalCards);
    t.Clock.Now += 30;
    EXPECT_EQ(t.TheGame.GameScore(), home * 10 - 20);

    // Killed and brought back (its clock stands at the last move, 30 s), it earns no more.
    GameOn again(t.Settings, t.Clock.Now + 100);
    std::string fault;
    ASSERT_TRUE(again.TheGame.ResumeSavedGame(fault)) << fault;
    EXPECT_EQ(again.TheGame.HandedOverGoalCards(), home);
    EXPECT_EQ(again.TheGame.GameScore(), home * 10 - 10);
    // Cards taken back below what lay home then count as they lie.
    again.TheGame.UndoAll(0);
    const std::int16_t left = again.TheGame.GoalCardCount();
    ASSERT_LT(left, home);
    EXPECT_EQ(again.TheGame.GameScore(), left * 10 - 10);
    again.TheGame.RedoAll(0);
    again.TheGame.EndGame(0);
    EXPECT_EQ(again.Store.GetPlayerScore(1), home * 10 - 10);
    EXPECT_EQ(again.Store.GetPlayerWin(1), 0);
}

// The deleted player's game on the board is nobody's: not the next player's, not a new one's.
TEST(SavedGame, TheGameCountsForItsOwnPlayerAndOnceThePlayerIsDeletedForNobody) {
    {
        // Another player chosen in the variant dialog: the game still counts for its player.
        TestGame t;
        t.TheGame.CreatePlayer(2, "Doe, Jane");
        t.TheGame.StartGame(123.0);
        t.Store.SetCurPlayerInx("2");
        t.TheGame.StartGame(124.0);
        EXPECT_EQ(t.Store.GetPlayerGames(1), 1);
        EXPECT_EQ(t.Store.GetPlayerGames(2), 0);
    }
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "ended");
        TestGame t;
        // Ids for the players made below (the scripted source gives 0.5 for ever after).
        t.Random.Values = {0.1, 0.2, 0.3, 0.4, 0.6, 0.7};
        t.TheGame.CreatePlayer(2, "Doe, Jane");
        t.TheGame.StartGame(123.0);
        t.Clock.Now += 300;
        t.TheGame.DeletePlayer(1);
        EXPECT_EQ(t.TheGame.CurrentPlayerSlot(), 2);
        EXPECT_EQ(t.TheGame.Title(), "Tabloo 3.0 [Doe, Jane] [123]");
        t.TheGame.CreatePlayer(1, "Newcomer");
        Game *g = &t.TheGame;
        std::optional<GameOn> again;
        if (killed) {
            again.emplace(t.Settings, t.Clock.Now);
            std::string fault;
            ASSERT_TRUE(again->TheGame.ResumeSavedGame(fault)) << fault;
            g = &again->TheGame;
        }
        EXPECT_EQ(g->Player(), 0);
        g->StartGame(124.0);
        for (std::int16_t slot : {1, 2})
            EXPECT_EQ(Record(cRegistry(g->Settings), slot), "games 0 won 0 score 0 moves 0") << slot;
        // The next game is the current player's.
        EXPECT_EQ(g->Player(), 2);
        g->EndGame(0);
        EXPECT_EQ(cRegistry(g->Settings).GetPlayerGames(2), 1);
    }
}

} // namespace
} // namespace tabloo::test
