// The solver: can a position be won, and by which moves. It plays by the position
// functions (every move followed by the autoplay cascade the Autoplay setting runs) on
// copies of the position it is given. It searches best first: of all the positions seen
// and not yet looked into, the one that looks closest to a win, remembering every position
// it has seen. A few short searches that judge positions differently go first; the last
// has the rest of the budget (the table of SolverSearches.h). A search that ends without a
// win has looked into every position that can be reached: the position is unwinnable. One
// solver runs one search at a time; solvers on several threads share nothing.
#pragma once

#include "Position.h"
#include "SolverSearches.h"
#include "cStateSet.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

namespace tabloo {

enum class Verdict {
    Winnable,   // Moves win the game
    Unwinnable, // every reachable position was searched
    Unknown,    // the budget of positions ran out first
    Cancelled,  // the caller asked the search to stop
};

struct SolveResult {
    Verdict Outcome = Verdict::Unknown;
    // The player's moves that win (each followed by its autoplay cascade).
    std::vector<Move> Moves;
    // The positions the search examined.
    std::uint64_t States = 0;
};

class cSolver {
public:
    // A position costs about 75 bytes, at most 100 (key and link 56, table slot 13 to 27,
    // queue 8 to 16): the default budget stays under 200 MB.
    static constexpr std::uint64_t kDefaultMaxStates = 2'000'000;

    // `searches`: the searches to run, in turn (by default the whole table).
    explicit cSolver(std::uint64_t maxStates = kDefaultMaxStates, std::span<const SearchKind> searches = kSearches)
        : MaxStates(maxStates), Plan(searches.begin(), searches.end()) {}

    // Searches from `start`. `cancel`, when given, is polled: once it is true the search
    // stops and reports Cancelled.
    SolveResult Solve(const Position &start, const std::atomic<bool> *cancel = nullptr);

    std::uint64_t MaxStates;

    using Weights = SearchWeights;
    // The blockers and broken runs a position's home piles hold.
    struct HomeCounts {
        std::uint16_t Blockers = 0, Breaks = 0;
    };

private:
    Verdict Search(const Position &start, const Weights &w, std::uint64_t limit, SolveResult &r,
                   const std::atomic<bool> *cancel);
    std::vector<Move> PathTo(const Position &start, std::uint32_t last) const;

    // The searches Solve runs, in turn.
    std::vector<SearchKind> Plan;
    Alike Alikeness = kAllAlike;
    // Does the search count the piles of every area as sets once every goal pile holds
    // two cards (SearchKind::Settles).
    bool Settling = false;
    // How the search keys position `p`: kSettled where it settles and p's goal piles all
    // hold two cards or more, else as Alikeness says.
    Alike StyleOf(const Position &p) const;
    // Does the search leave out moves that break a run (so that running out of positions
    // proves nothing).
    bool Pruning = false;
    // Does the search send cards home at once and leave the goal piles alone (see Solve).
    bool SendingHome = false;
    // Does it send home only the cards that no card can need again (so that a search that
    // runs out of positions stays a proof).
    bool SureHome = false;
    std::uint8_t Due[52] = {};
    // The positions made last, by number, each with the number of the search that made it.
    struct Recent {
        std::uint32_t Index, Search;
        Position P;
        HomeCounts Counts;
    };
    static constexpr std::uint32_t kRecent = 1024;
    Recent Made[kRecent] = {};
    std::uint32_t Searches = 0;
    cStateSet Seen;
    // The positions still to look into, by distance from a win: the numbers of those at
    // each distance, the one made last looked into first.
    class cQueue {
    public:
        void Clear();
        void Push(std::uint32_t distance, std::uint32_t index);
        bool Empty() const { return Waiting == 0; }
        // The nearest position; the queue must not be empty.
        std::uint32_t Pop();

    private:
        std::vector<std::vector<std::uint32_t>> Buckets;
        std::size_t Waiting = 0, Lowest = 0, Highest = 0;
    };
    cQueue Queue;
    Move Legal[kMaxMoves];
    // One expansion's children, made before they are looked up.
    struct Child {
        Position P;
        StateKey Key;
        std::uint64_t Hash;
        std::uint16_t Note;
        Move M;
        bool GoalsAsBefore;
    };
    std::vector<Child> Children;
};

} // namespace tabloo
