#include "Cli.h"

#include "CliBoards.h"
#include "Deal.h"
#include "Game.h"
#include "NumText.h"
#include "cMemorySettings.h"
#include "cSolver.h"
#include "cSystemClock.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <istream>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace tabloo {

namespace {

using cli::Failure;
using cli::kRanks;
using cli::kSuits;
using cli::Quote;
using cli::ReadBoards;
using cli::Split;

// The tool's board: nothing to draw; it only notes a won game.
class cHeadlessView : public ITableView {
public:
    void GameWon() override { Won = true; }
    bool Won = false;
};

// A stack of engine and its platform for one run of the tool.
struct Session {
    cMemorySettings Settings;
    cSystemClock Clock;
    cUniformRandom Random;
    cHeadlessView View;
    Game TheGame{Settings, Clock, Random, View};
    // The tool's store ends with it: nothing to keep a game in for later.
    Session() { TheGame.KeepGames(false); }
};

void PrintCards(std::ostream &out, const Game &g, std::int16_t cell, std::int16_t pile) {
    for (std::int16_t pos = 0; pos <= g.TopPos(cell, pile); ++pos) {
        const std::int16_t id = g.CardAt(cell, pile, pos);
        if (id < 0)
            continue;
        const cCard &c = g.Card(id);
        char rank = kRanks[c.Num], suit = kSuits[c.Suit];
        if (!c.FaceUp()) {
            rank = static_cast<char>(std::tolower(static_cast<unsigned char>(rank)));
            suit = static_cast<char>(std::tolower(static_cast<unsigned char>(suit)));
        }
        out << ' ' << rank << suit;
    }
}

// Ends a won game the way the end-of-game summary does: the score as it stands now.
void FinishWonGame(Game &g, std::ostream &out) {
    out << "won\n";
    const std::int16_t score = g.GameScore();
    g.EndGame(1, score);
}

std::int16_t Field(std::int64_t v) { return ClampTo<std::int16_t>(v); }

// A move in the syntax of `play`.
std::string FormatMove(Move m) {
    return "move " + std::to_string(AreaOf(m.From)) + ' ' + std::to_string(AreaPile(m.From)) + ' ' +
           std::to_string(m.Pos) + ' ' + std::to_string(AreaOf(m.To)) + ' ' + std::to_string(AreaPile(m.To));
}

// A verdict as `solve` and `solve-range` write it: "winnable M", "unwinnable" or "unknown".
std::string VerdictWords(Verdict v, std::size_t moves) {
    switch (v) {
    case Verdict::Winnable:
        return "winnable " + std::to_string(moves);
    case Verdict::Unwinnable:
        return "unwinnable";
    default:
        return "unknown";
    }
}

// What `solve` prints: the verdict, the moves of a win one a line, the positions examined.
std::string SolveBlock(const SolveResult &r) {
    std::string out = VerdictWords(r.Outcome, r.Moves.size()) + '\n';
    if (r.Outcome == Verdict::Winnable)
        for (const Move &m : r.Moves)
            out += FormatMove(m) + '\n';
    return out + "states " + std::to_string(r.States);
}

// One command of `play`; returns the text to print.
std::string RunCommand(Game &g, cSolver &solver, const std::vector<std::string_view> &words) {
    const std::string_view cmd = words[0];
    auto noArgs = [&] {
        if (words.size() != 1)
            throw Failure{Quote(cmd) + " takes no arguments"};
    };
    if (cmd == "move") {
        if (words.size() != 6)
            throw Failure{"move needs SCELL SPILE SPOS DCELL DPILE"};
        std::int64_t v[5];
        for (int i = 0; i < 5; ++i) {
            auto n = ParseWhole(words[i + 1]);
            if (!n)
                throw Failure{"move: not a whole number: " + Quote(words[i + 1])};
            v[i] = *n;
        }
        const std::int16_t sCell = Field(v[0]), sPile = Field(v[1]), sPos = Field(v[2]);
        const std::int16_t dCell = Field(v[3]), dPile = Field(v[4]);
        auto playArea = [](std::int64_t cell) { return cell == kHome || cell == kGoal || cell == kReserve; };
        if (!playArea(v[0]) || !playArea(v[3]) || v[1] != sPile || v[2] != sPos || v[4] != dPile ||
            sPile >= g.Piles(sCell) || dPile >= g.Piles(dCell))
            return "refused";
        const std::int16_t picId = g.CardAt(sCell, sPile, sPos);
        return picId >= 0 && g.PlayMove(picId, {dCell, dPile}) ? "ok" : "refused";
    }
    if (cmd == "undo" || cmd == "redo") {
        noArgs();
        const std::int16_t speed = cRegistry(g.Settings).UndoSpeed();
        return (cmd == "undo" ? g.Undo(speed) : g.Redo(speed)) ? "ok" : "refused";
    }
    if (cmd == "undoall" || cmd == "redoall") {
        noArgs();
        const std::int16_t speed = cRegistry(g.Settings).UndoallSpeed();
        cmd == "undoall" ? g.UndoAll(speed) : g.RedoAll(speed);
        return "ok";
    }
    if (cmd == "autoplay") {
        noArgs();
        return g.ToggleAutoplay() ? "autoplay on" : "autoplay off";
    }
    if (cmd == "solve") {
        noArgs();
        return SolveBlock(solver.Solve(g.CurrentPosition()));
    }
    if (cmd == "hint") {
        noArgs();
        const SolveResult r = solver.Solve(g.CurrentPosition());
        if (r.Outcome == Verdict::Winnable && !r.Moves.empty())
            return "hint " + FormatMove(r.Moves.front());
        return r.Outcome == Verdict::Unwinnable ? "hint none" : "hint unknown";
    }
    if (cmd == "print") {
        noArgs();
        std::string board = FormatBoard(g);
        board.pop_back();
        return board;
    }
    throw Failure{"unknown command " + Quote(cmd)};
}

int Play(Session &s, std::istream &in, std::ostream &out, std::ostream &err) {
    Game &g = s.TheGame;
    if (s.View.Won) {
        FinishWonGame(g, out);
        return 0;
    }
    cSolver solver;
    std::string line;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        auto words = Split(line);
        if (words.empty() || words[0].front() == '#')
            continue;
        try {
            out << RunCommand(g, solver, words) << '\n';
        } catch (const Failure &f) {
            out.flush();
            err << "tabloo-cli: line " << number << ": " << f.Message << '\n';
            return 2;
        }
        if (s.View.Won) {
            FinishWonGame(g, out);
            return 0;
        }
    }
    return 0;
}

// Plays random legal moves from the deal until the log holds `moves` moves.
bool PlayRandomMoves(Game &g, int moves, std::mt19937 &rng) {
    while (g.MovesInForce() < moves && !g.WinNoticed()) {
        auto legal = g.LegalMoves();
        if (legal.empty())
            return false;
        const LegalMove &m = legal[rng() % legal.size()];
        g.PlayMove(m.PicID, m.Target);
    }
    return g.MovesInForce() >= moves;
}

// Runs `step` for about a second after a short warm-up; returns calls per second.
template <typename Step> double Measure(Step step) {
    using clock = std::chrono::steady_clock;
    auto until = clock::now() + std::chrono::milliseconds(200);
    while (clock::now() < until)
        step();
    long calls = 0;
    const auto start = clock::now();
    auto now = start;
    while (now - start < std::chrono::seconds(1)) {
        for (int i = 0; i < 64; ++i)
            step();
        calls += 64;
        now = clock::now();
    }
    return calls / std::chrono::duration<double>(now - start).count();
}

int Bench(std::ostream &out) {
    {
        Session s;
        std::uint64_t gameNo = 1;
        const double starts = Measure([&] { s.TheGame.StartGame(static_cast<double>(gameNo++ % 1000000007ull)); });
        out << "starts/s " << static_cast<long long>(starts) << '\n';
    }
    {
        Session s;
        std::mt19937 rng(2024);
        double gameNo = 1;
        do
            s.TheGame.StartGame(gameNo++);
        while (!PlayRandomMoves(s.TheGame, 120, rng));
        const double trips = Measure([&] {
            s.TheGame.UndoAll(0);
            s.TheGame.RedoAll(0);
        });
        out << "undoredo/s " << static_cast<long long>(trips) << '\n';
    }
    {
        // Deal and solve games 1..1000 in turn, under the default rules.
        Session s;
        cSolver solver;
        int gameNo = 0;
        const double solves = Measure([&] {
            s.TheGame.StartGame(static_cast<double>(gameNo++ % 1000 + 1));
            solver.Solve(s.TheGame.CurrentPosition());
        });
        out << "solves/s " << static_cast<long long>(solves) << '\n';
    }
    return 0;
}

struct Settings {
    std::vector<std::pair<std::string, std::string>> Sets;
    // The solver's searches, run in turn (--searches).
    std::vector<SearchKind> Searches{std::begin(kSearches), std::end(kSearches)};
    void ApplyTo(Game &g) const {
        for (const auto &[key, value] : Sets)
            cRegistry(g.Settings).Write(cRegistry::kData, key, value);
        g.EnsureFirstPlayer();
    }
};

struct RangeLine {
    Verdict Outcome = Verdict::Unknown;
    std::size_t Moves = 0;
    std::uint64_t States = 0;
};

// Solves `count` positions on `jobs` threads, each with its own game and solver, and prints
// one line per position in order, numbered from `first`, as soon as the lines before it are
// out. `position` gives the i-th position to solve, dealt on the thread's own game. No
// search runs more than a few positions ahead of the line printed last, so the memory it
// takes does not grow with `count`. False when a search ran out of memory or the lines
// could not be written.
template <typename PositionAt>
bool SolveMany(const Settings &settings, std::uint64_t count, std::int64_t first, PositionAt position,
               std::uint64_t maxStates, int jobs, std::ostream &out) {
    const std::uint64_t ahead = 4 * static_cast<std::uint64_t>(jobs);
    std::mutex lock;
    std::condition_variable moved;
    std::uint64_t next = 0, printed = 0;
    std::map<std::uint64_t, RangeLine> waiting; // done, not yet printed
    std::uint64_t won = 0, lost = 0, unknown = 0;
    bool outOfMemory = false, closed = false;
    auto work = [&] {
        try {
            Session s;
            settings.ApplyTo(s.TheGame);
            cSolver solver(maxStates, settings.Searches);
            for (;;) {
                std::uint64_t i;
                {
                    std::unique_lock<std::mutex> hold(lock);
                    moved.wait(hold, [&] { return next >= count || next < printed + ahead; });
                    if (next >= count)
                        return;
                    i = next++;
                }
                const SolveResult r = solver.Solve(position(s.TheGame, i));
                std::lock_guard<std::mutex> hold(lock);
                waiting[i] = {r.Outcome, r.Moves.size(), r.States};
                for (auto l = waiting.begin(); l != waiting.end() && l->first == printed; l = waiting.erase(l)) {
                    const RangeLine &line = l->second;
                    out << first + static_cast<std::int64_t>(printed) << ' ' << VerdictWords(line.Outcome, line.Moves)
                        << " states " << line.States << '\n';
                    ++(line.Outcome == Verdict::Winnable ? won : line.Outcome == Verdict::Unwinnable ? lost : unknown);
                    ++printed;
                }
                // Nobody reads the lines any more (a closed pipe): the searches stop.
                if (!out) {
                    next = count;
                    closed = true;
                }
                moved.notify_all();
            }
        } catch (const std::bad_alloc &) {
            // Every search stops: the lines so far stand, and the tool says why it ends.
            std::lock_guard<std::mutex> hold(lock);
            outOfMemory = true;
            next = count;
            moved.notify_all();
        }
    };
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    if (outOfMemory || closed)
        return false;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char summary[200];
    std::snprintf(summary, sizeof summary,
                  "games %llu winnable %llu unwinnable %llu unknown %llu seconds %.3f games/s %.1f",
                  static_cast<unsigned long long>(count), static_cast<unsigned long long>(won),
                  static_cast<unsigned long long>(lost), static_cast<unsigned long long>(unknown), seconds,
                  seconds > 0 ? static_cast<double>(count) / seconds : 0.0);
    out << summary << '\n';
    return true;
}

// The names of the solver's searches, in the order it runs them: "balanced,dig,...".
std::string SearchNames() {
    std::string names;
    for (const SearchKind &k : kSearches) {
        if (!names.empty())
            names += ',';
        names += k.Name;
    }
    return names;
}

// The searches of a --searches list, NAME,NAME..., in its order; throws at a name that is
// none, or at a search after the complete one, which takes all the budget left.
std::vector<SearchKind> ParseSearches(std::string_view list) {
    std::vector<SearchKind> chosen;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(',', at), list.size());
        const std::string_view name = list.substr(at, end - at);
        const SearchKind *kind = FindSearch(name);
        if (!kind)
            throw Failure{"--searches: no search " + Quote(name) + "; the searches are " + SearchNames()};
        if (!chosen.empty() && chosen.back().Complete)
            throw Failure{"--searches: " + Quote(name) + " after the complete search, which takes all the budget left"};
        chosen.push_back(*kind);
        at = end + 1;
    }
    return chosen;
}

// The memory this machine lets the tool have, in bytes: the smallest of its memory, the
// process's address-space limit and its control group's limit.
std::uint64_t MemoryAtHand() {
    std::uint64_t most =
        static_cast<std::uint64_t>(sysconf(_SC_PHYS_PAGES)) * static_cast<std::uint64_t>(sysconf(_SC_PAGE_SIZE));
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        most = std::min<std::uint64_t>(most, limit.rlim_cur);
    if (std::FILE *f = std::fopen("/sys/fs/cgroup/memory.max", "r")) {
        unsigned long long v = 0;
        if (std::fscanf(f, "%llu", &v) == 1 && v > 0)
            most = std::min<std::uint64_t>(most, v);
        std::fclose(f);
    }
    return most;
}

// What a search of a budget of N positions may take at most, a position at a time (its key
// and link, its slot in the table, its place in the queue).
constexpr std::uint64_t kBytesPerPosition = 100;

} // namespace

std::string FormatBoard(const Game &g) {
    std::ostringstream out;
    out << "game " << g.GameNo() << '\n';
    out << "base " << kRanks[g.GoalBase()] << '\n';
    for (std::int16_t p = 0; p < g.Piles(kHome); ++p) {
        out << "home " << p << ':';
        PrintCards(out, g, kHome, p);
        out << '\n';
    }
    for (std::int16_t p = 0; p < g.Piles(kReserve); ++p) {
        out << "reserve " << p << ':';
        PrintCards(out, g, kReserve, p);
        out << '\n';
    }
    for (std::int16_t p = 0; p < kGoalPiles; ++p) {
        out << "goal " << p << ':';
        PrintCards(out, g, kGoal, p);
        out << '\n';
    }
    out << "moves " << g.MovesInForce() << '\n';
    return out.str();
}

int RunCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err) {
    const std::string usage =
        "usage: tabloo-cli [--set KEY=VALUE]... deal GAMENO | play GAMENO | solve GAMENO [SOLVE-OPTION]... | "
        "solve-range FROM TO [SOLVE-OPTION]... [--jobs J] | solve-boards [SOLVE-OPTION]... [--jobs J] < BOARDS | "
        "bench; SOLVE-OPTION: --max-states N, --searches NAME[,NAME]... (of " +
        SearchNames() + ")";
    auto fail = [&](const std::string &message) {
        out.flush();
        err << "tabloo-cli: " << message << '\n';
        return 2;
    };
    Settings settings;
    std::size_t i = 0;
    while (i < args.size() && args[i] == "--set") {
        if (i + 1 >= args.size())
            return fail("--set needs KEY=VALUE");
        const std::string &kv = args[i + 1];
        const auto eq = kv.find('=');
        if (eq == std::string::npos)
            return fail("--set needs KEY=VALUE, not " + Quote(kv));
        std::string key = kv.substr(0, eq);
        if (!cRegistry::IsDataKey(key))
            return fail("unknown key " + Quote(key));
        settings.Sets.emplace_back(std::move(key), kv.substr(eq + 1));
        i += 2;
    }
    if (i >= args.size())
        return fail(usage);
    const std::string &command = args[i++];
    if (command == "bench") {
        if (i != args.size())
            return fail("bench takes no arguments");
        return Bench(out);
    }
    if (command != "deal" && command != "play" && command != "solve" && command != "solve-range" &&
        command != "solve-boards")
        return fail("unknown command " + Quote(command) + "; " + usage);

    // The words after the command: its numbers, and for the solve commands their options.
    std::vector<std::string> numbers;
    std::uint64_t maxStates = cSolver::kDefaultMaxStates;
    int jobs = 1;
    const bool solving = command == "solve" || command == "solve-range" || command == "solve-boards";
    const bool batch = command == "solve-range" || command == "solve-boards";
    for (; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (solving && a == "--searches") {
            if (i + 1 >= args.size())
                return fail("--searches needs NAME[,NAME]...");
            try {
                settings.Searches = ParseSearches(args[++i]);
            } catch (const Failure &f) {
                return fail(f.Message);
            }
        } else if (solving && (a == "--max-states" || (a == "--jobs" && batch))) {
            if (i + 1 >= args.size())
                return fail(a + " needs a number");
            const auto v = ParseWhole(args[++i]);
            const std::int64_t most = a == "--jobs" ? 256 : std::int64_t(1) << 40;
            if (!v || *v < 1 || *v > most)
                return fail(a + " needs a whole number from 1 to " + std::to_string(most) + ", not " + Quote(args[i]));
            if (a == "--jobs")
                jobs = static_cast<int>(*v);
            else
                maxStates = static_cast<std::uint64_t>(*v);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return fail("unknown option " + Quote(a) + " for " + command);
        } else {
            numbers.push_back(a);
        }
    }

    // Each search may take its whole budget at once: a budget the machine cannot hold is
    // refused before any search starts, instead of ending in the middle for want of memory.
    if (solving) {
        const std::uint64_t searches = command == "solve" ? 1 : static_cast<std::uint64_t>(jobs);
        const std::uint64_t need = maxStates * kBytesPerPosition * searches, have = MemoryAtHand();
        if (need > have)
            return fail("--max-states " + std::to_string(maxStates) +
                        (searches > 1 ? " on " + std::to_string(searches) + " jobs" : "") + " may take " +
                        std::to_string(need >> 20) + " MB, more than the " + std::to_string(have >> 20) +
                        " MB this machine lets the tool have");
    }
    auto stopped = [&] {
        return fail(out ? "out of memory: a smaller --max-states or fewer --jobs may do" : "cannot write the results");
    };

    if (command == "solve-range") {
        if (numbers.size() != 2)
            return fail("solve-range needs FROM and TO");
        std::int64_t range[2];
        for (int k = 0; k < 2; ++k) {
            const auto v = ParseWhole(numbers[k]);
            if (!v || *v < 0 || static_cast<double>(*v) > kMaxGameNo)
                return fail("game number must be a whole number 0 to 999999999999999, not " + Quote(numbers[k]));
            range[k] = *v;
        }
        if (range[0] > range[1])
            return fail("solve-range needs FROM no greater than TO");
        const std::int64_t from = range[0];
        // Dealt as a new game deals them, with no game behind them.
        Session s;
        settings.ApplyTo(s.TheGame);
        auto deal = [from, variant = cRegistry(s.Settings).StoredVariant()](Game &, std::size_t i) {
            return StartPosition(variant, FormatGameNo(static_cast<double>(from + static_cast<std::int64_t>(i))));
        };
        if (!SolveMany(settings, static_cast<std::uint64_t>(range[1] - from + 1), from, deal, maxStates, jobs, out))
            return stopped();
        return 0;
    }
    if (command == "solve-boards") {
        if (!numbers.empty())
            return fail("solve-boards reads its boards from standard input; it takes no " + Quote(numbers[0]));
        Session s;
        settings.ApplyTo(s.TheGame);
        s.TheGame.StartGame(1.0);
        std::vector<Position> boards;
        try {
            boards = ReadBoards(in, s.TheGame.CurrentPosition());
        } catch (const Failure &f) {
            return fail(f.Message);
        }
        auto board = [&boards](Game &, std::size_t i) { return boards[i]; };
        if (!SolveMany(settings, boards.size(), 1, board, maxStates, jobs, out))
            return stopped();
        return 0;
    }

    if (numbers.size() != 1)
        return fail(command + " needs one GAMENO");
    const std::string &gameNo = numbers[0];
    if (!ParseGameNo(gameNo))
        return fail("game number must be 0 to 999999999999999, not " + Quote(gameNo));

    Session s;
    settings.ApplyTo(s.TheGame);
    s.TheGame.StartGame(std::string_view(gameNo));
    if (command == "deal") {
        out << FormatBoard(s.TheGame);
        if (s.View.Won)
            FinishWonGame(s.TheGame, out);
        return 0;
    }
    if (command == "solve") {
        try {
            cSolver solver(maxStates, settings.Searches);
            out << SolveBlock(solver.Solve(s.TheGame.CurrentPosition())) << '\n';
        } catch (const std::bad_alloc &) {
            return stopped();
        }
        return 0;
    }
    return Play(s, in, out, err);
}

} // namespace tabloo
