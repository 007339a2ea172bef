// The solver's pinned corpus (tools/solver-corpus.sh): verdicts and win lengths, each win played out.
#include "TestGame.h"
#include "cSolver.h"

#include <fstream>

namespace tabloo::test {
namespace {

struct CorpusDeal {
    double GameNo = 0;
    bool Winnable = false;
    std::size_t Moves = 0;
    std::vector<std::pair<std::string, std::string>> Sets;
    std::string Line;
};

std::vector<CorpusDeal> ReadCorpus() {
    std::ifstream in(TABLOO_TEST_DATA "/solver-corpus.txt");
    std::vector<CorpusDeal> deals;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        CorpusDeal d;
        std::string verdict, moves, kv;
        words >> d.GameNo >> verdict >> moves;
        d.Winnable = verdict == "winnable";
        d.Moves = d.Winnable ? std::stoul(moves) : 0;
        while (words >> kv) {
            const auto eq = kv.find('=');
            d.Sets.emplace_back(kv.substr(0, eq), kv.substr(eq + 1));
        }
        d.Line = line;
        deals.push_back(std::move(d));
    }
    return deals;
}

TEST(SolverCorpus, KeepsEveryVerdictAndNoWinGrowsLonger) {
    const std::vector<CorpusDeal> deals = ReadCorpus();
    // The corpus is whole: hundreds of deals, both verdicts, many variants.
    ASSERT_GE(deals.size(), 300u);
    std::set<std::string> variants;
    std::size_t unwinnable = 0, shorter = 0;
    for (const CorpusDeal &d : deals) {
        std::string variant;
        for (const auto &[key, value] : d.Sets)
            variant += key + "=" + value + " ";
        variants.insert(variant);
        unwinnable += !d.Winnable;
    }
    EXPECT_GE(unwinnable, 50u);
    EXPECT_GE(variants.size(), 200u);

    cSolver solver(200'000);
    for (const CorpusDeal &d : deals) {
        TestGame t;
        for (const auto &[key, value] : d.Sets)
            t.Set(key, value);
        t.TheGame.StartGame(d.GameNo);
        const SolveResult r = solver.Solve(t.TheGame.CurrentPosition());
        if (!d.Winnable) {
            EXPECT_EQ(r.Outcome, Verdict::Unwinnable) << d.Line;
            continue;
        }
        EXPECT_EQ(r.Outcome, Verdict::Winnable) << d.Line;
        if (r.Outcome != Verdict::Winnable)
            continue;
        EXPECT_LE(r.Moves.size(), d.Moves) << d.Line;
        shorter += r.Moves.size() < d.Moves;
        EXPECT_TRUE(PlayMoves(t.TheGame, r.Moves) && t.TheGame.WinNoticed()) << d.Line;
    }
    // Shorter wins pass; the corpus is then written again (tools/solver-corpus.sh).
    if (shorter)
        std::cout << shorter << " wins shorter than the corpus says\n";
}

} // namespace
} // namespace tabloo::test
