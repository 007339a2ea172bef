// Everything the board and the store are told, in order, over whole games: deals under many
// variants, random play with undo and redo, undo and redo of everything, autoplay switched
// on and off, a card sent home by hand, a game handed over, kept and brought back. The trace
// is pinned as one fingerprint: a change in the order of a cascade, of the sounds, of the
// travels or of the store's writes fails here.
#include "TestGame.h"
#include "cSolver.h"

#include <cstdio>

namespace tabloo::test {
namespace {

int Wins = 0;

struct Trace {
    std::uint64_t Hash = 1469598103934665603ull;
    long Lines = 0;
    void Add(const std::string &line) {
        for (unsigned char c : line)
            Hash = (Hash ^ c) * 1099511628211ull;
        Hash = (Hash ^ '\n') * 1099511628211ull;
        ++Lines;
    }
};

std::string Join(std::initializer_list<long> values) {
    std::string s;
    for (long v : values)
        s += ' ' + std::to_string(v);
    return s;
}

struct TracingView : ITableView {
    Trace &T;
    explicit TracingView(Trace &t) : T(t) {}
    void LoadControls(std::int16_t h, std::int16_t r) override { T.Add("load" + Join({h, r})); }
    void ClearBoard() override { T.Add("clear"); }
    void CardChanged(std::int16_t id, const cCard &) override { T.Add("changed" + Join({id})); }
    void BringCardToFront(std::int16_t id) override { T.Add("front" + Join({id})); }
    void PlaceMarker(std::int16_t c, std::int16_t p, std::int16_t x, std::int16_t y, std::int32_t m) override {
        T.Add("marker" + Join({c, p, x, y, m}));
    }
    void TravelCard(std::int16_t id, std::int16_t x, std::int16_t y, std::int16_t s, std::int32_t m) override {
        T.Add("travel" + Join({id, x, y, s, m}));
    }
    void PlaySound(std::string_view name) override { T.Add("sound " + std::string(name)); }
    void GameWon() override { T.Add("won"); }
    void TitleChanged(std::string_view title) override { T.Add("title " + std::string(title)); }
};

struct TracingSettings : cMemorySettings {
    Trace &T;
    explicit TracingSettings(Trace &t) : T(t) {}
    void Write(std::string_view a, std::string_view s, std::string_view k, std::string_view v) override {
        T.Add("write " + std::string(s) + " " + std::string(k) + "=" + std::string(v));
        cMemorySettings::Write(a, s, k, v);
    }
    void RemoveSection(std::string_view a, std::string_view s) override {
        T.Add("remove " + std::string(s));
        cMemorySettings::RemoveSection(a, s);
    }
    void Add(std::string_view a, std::string_view s, std::string_view k, std::int64_t d, std::int64_t lo,
             std::int64_t hi) override {
        T.Add("add " + std::string(s) + " " + std::string(k) + Join({static_cast<long>(d)}));
        cMemorySettings::Add(a, s, k, d, lo, hi);
    }
    void BeginUpdate() override {
        T.Add("begin");
        cMemorySettings::BeginUpdate();
    }
    void EndUpdate() override {
        T.Add("end");
        cMemorySettings::EndUpdate();
    }
    void KeepSafe() override { T.Add("keep safe"); }
};

const char *const kVariants[] = {"",
                                 "Autoplay=0",
                                 "GoalOrder=7",
                                 "ResPiles=2 Autoplay=0",
                                 "HomeOrder=3 HomePiles=10 ResCards=3",
                                 "GoalBase=13 GoalCards=4 HomeAK=1",
                                 "MultiMove=0 HomeOrder=1 GoalOrder=2",
                                 "GoalBase=6 HomeOrder=9 ResPiles=0 HomePiles=6"};

TEST(Trace, WholeGamesTellTheBoardAndTheStoreWhatTheyAlwaysHave) {
    Trace t;
    TracingSettings settings(t);
    FixedClock clock;
    ScriptedRandom random;
    TracingView view(t);
    std::mt19937 rng(20261209);
    for (std::size_t v = 0; v < std::size(kVariants); ++v) {
        Game g(settings, clock, random, view);
        g.EnsureFirstPlayer();
        SetAll(cRegistry(g.Settings), kVariants[v]);
        for (int n = 0; n < 5; ++n) {
            g.StartGame(static_cast<double>(v * 1000 + static_cast<std::size_t>(n) * 37 + 1));
            clock.Now += 17;
            if (n == 1) {
                // Won through the solver's moves; the undo below takes the win back, the redo
                // wins again.
                const SolveResult r = cSolver(200000).Solve(g.CurrentPosition());
                for (const Move &m : r.Moves) {
                    const LegalMove lm = g.ToLegalMove(g.CurrentPosition(), m);
                    g.PlayMove(lm.PicID, lm.Target);
                }
                t.Add("solved " + std::to_string(g.WinNoticed()));
                Wins += g.WinNoticed();
            }
            PlayAWhile(g, rng, 60);
            g.Undo(5);
            g.Redo(5);
            if (n % 2 == 0) {
                g.UndoAll(0);
                g.RedoAll(0);
            }
            g.ToggleAutoplay();
            g.ToggleAutoplay();
            for (std::int16_t id = 0; id < kTotalCards; ++id)
                if (g.AutoplayCard(id))
                    break;
            if (n == 3)
                g.GiveUp();
            if (n == 4)
                break; // left running, as at a kill
            if (g.WinNoticed())
                g.RecordWin(g.GameScore());
            g.EndGame(g.WinNoticed() ? 1 : 0);
        }
        // The next start brings the kept game back.
        Game next(settings, clock, random, view);
        std::string fault;
        t.Add("resumed " + std::to_string(next.ResumeSavedGame(fault)) + " " + fault);
        PlayAWhile(next, rng, 10);
        next.EndGame(0);
    }
    std::printf("trace: %ld lines, %d won, fingerprint %016llx\n", t.Lines, Wins,
                static_cast<unsigned long long>(t.Hash));
    EXPECT_EQ(t.Lines, 43516);
    EXPECT_EQ(t.Hash, 0x817119f91f62d187ull);
}

} // namespace
} // namespace tabloo::test
