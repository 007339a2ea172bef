// The headless tool as scripts use it: boards, play commands, the won game, and bad input.
#include "TestGame.h"

#include <cstdio>

namespace tabloo {
namespace {

struct CliRun {
    int Status;
    std::string Out, Err;
};

// The arguments as a shell splits them at spaces; '' stands for an empty one.
CliRun Cli(const std::string &line, const std::string &input = "") {
    std::vector<std::string> args;
    std::istringstream words(line), in(input);
    for (std::string word; words >> word;)
        args.push_back(word == "''" ? "" : word);
    std::ostringstream out, err;
    const int status = RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

int Lines(const std::string &text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

std::vector<std::string> LinesOf(const std::string &text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(Cli, DealPrintsTheWholeBoard) {
    const CliRun r = Cli("deal 123");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Err, "");
    EXPECT_NE(r.Out.find("\nhome 0: 8D 9C TH KS 9D 4D 4C\n"), std::string::npos);
    EXPECT_EQ(Lines(r.Out), 2 + 8 + 4 + 4 + 1);
    // No reserve lines without reserve piles; ten home lines with ten piles.
    const CliRun s = Cli("--set ResPiles=0 --set HomePiles=10 deal 9");
    EXPECT_EQ(s.Out.find("reserve"), std::string::npos);
    EXPECT_NE(s.Out.find("home 9:"), std::string::npos);
    // A stored text that is no number plays with the default.
    EXPECT_EQ(Cli("--set HomePiles=abc deal 123").Out, r.Out);
    EXPECT_EQ(Cli("deal 12.5").Out.substr(0, 13), "game 12.5\nbas");
    EXPECT_EQ(Cli("deal +123").Out, "game +123" + r.Out.substr(8)) << "a plus sign as the dialog takes it";
}

TEST(Cli, PlayCommands) {
    // Game 123, no autoplay: AS on top of home 6, AC of home 7; each command with its answer.
    const std::vector<std::pair<std::string, std::string>> script = {
        {"undo", "refused"},             // nothing to undo
        {"move 0 7 5 4 0", "ok"},        // AC to reserve 0
        {"move 0 7 5 4 1", "refused"},   // no card there any more
        {"move 0 6 5 3 0", "ok"},        // AS to the empty goal pile 0
        {"  move\t4 0 0 4 1  \r", "ok"}, // AC from reserve 0 to reserve 1
        {"move 0 0 6 3 1", "refused"},   // 4C to an empty goal pile
        {"move 1 0 0 0 0", "refused"},   // the deck area
        {"move 0 9 0 0 0", "refused"},   // there is no home pile 9
        {"move 0 0 99 0 1", "refused"},  // no card at position 99
        {"move 0 0 6 2 0", "refused"},   // area 2 is no play area
        {"move 0 0 6 4 4", "refused"},   // there is no reserve pile 4
        {"move 3 0 0 3 0", "refused"},   // a card onto its own goal pile
        {"undo", "ok"},
        {"redo", "ok"},
        {"redo", "refused"}, // nothing to redo
        {"undoall", "ok"},
        {"redoall", "ok"},
        {"autoplay", "autoplay on"}, // and AC goes home at once
        {"autoplay", "autoplay off"},
        {"print", "game 123"},
    };
    std::string input = "# a comment\n\n";
    for (const auto &[command, answer] : script)
        input += command + "\n";
    const CliRun r = Cli("--set Autoplay=0 play 123", input);
    EXPECT_EQ(r.Status, 0) << r.Err;
    const auto got = LinesOf(r.Out);
    ASSERT_EQ(got.size(), 19u + 19u) << r.Out;
    for (std::size_t i = 0; i < script.size(); ++i)
        EXPECT_EQ(got[i], script[i].second) << "command " << i + 1 << "\n" << r.Out;
    EXPECT_EQ(got[30], "reserve 1:");
    EXPECT_EQ(got[33], "goal 0: AS");
    EXPECT_EQ(got[34], "goal 1: AC");
    EXPECT_EQ(got[37], "moves 4");
}

TEST(Cli, WonGameEndsThePlay) {
    // With "Any Card" on the goal piles, switching autoplay on plays every card home.
    const CliRun r =
        Cli("--set Autoplay=0 --set GoalOrder=6 --set GoalCards=4 play 5", "print\nautoplay\nprint\nundo\n");
    EXPECT_EQ(r.Status, 0);
    const auto won = r.Out.find("autoplay on\nwon\n");
    ASSERT_NE(won, std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.size(), won + std::string("autoplay on\nwon\n").size()) << "nothing runs after the win";
    // Dealt straight home: won before the first command.
    const CliRun d = Cli("--set GoalOrder=6 --set GoalCards=4 play 5", "print\n");
    EXPECT_EQ(d.Out, "won\n");
}

// A whole board of 52 cards in `columns` columns and `cells` free cells.
std::string BoardOf(int columns, int cells) {
    const auto card = [](int i) { return std::string(" ") + "A23456789TJQK"[i % 13] + "HSDC"[i / 13]; };
    std::string board = "Freecells:";
    for (int c = 0; c < cells; ++c)
        board += card(51 - c);
    for (int col = 0; col < columns; ++col) {
        board += "\n:";
        for (int i = col; i < 52 - cells; i += columns)
            board += card(i);
    }
    return board + "\n";
}

TEST(Cli, BadInputIsOneLineAndStatusTwo) {
    struct Bad {
        std::string Args, Input, Says;
    };
    std::vector<Bad> bad;
    // Command lines apart by '|' (the first is none at all).
    std::istringstream lines(
        "|deal|deal 1 2|deal 1000000000000000|deal -1|deal abc|deal 1e3|deal ''|shuffle 1|"
        "--set Colour=3 deal 1|--set HomePiles deal 1|--set|bench now|--set =1 deal 1|solve|solve 1 2|"
        "solve 1 --max-states 0|solve 1 --max-states -3|solve 1 --max-states 1.5|"
        "solve 1 --max-states abc|solve 1 --max-states|solve 1 --jobs 2|solve 1 --fast|"
        "deal 1 --max-states 5|solve-range 1|solve-range 5 1|solve-range 1 2.5|solve-range 1 2 --jobs 0|"
        "solve-range 1 2 --jobs x|solve-boards 1|solve 1 --searches|solve 1 --searches fast|"
        "solve 1 --searches dig,|solve 1 --searches complete,dig|deal 1 --searches dig");
    for (std::string args; std::getline(lines, args, '|');)
        bad.push_back({args, "", ""});
    // Play commands: the output stops before the bad line.
    for (auto [input, says] : {std::pair{"print\nfly\nprint\n", "line 2: unknown command 'fly'"},
                               {"move 0 0 0\n", "line 1: move needs"},
                               {"\n\nmove 0 0 x 0 1\n", "line 3: move:"},
                               {"undo 3\n", "line 1: 'undo' takes no arguments"},
                               {"move 0 0 0 0 99999999999999999999\n", "line 1: move:"},
                               {"hint now\n", "line 1: 'hint' takes no arguments"}})
        bad.push_back({"play 1", input, says});
    for (const char *board : {": KS KS\n", ": AH\n", ": XX\n", "Foundations: H-Z\n", "Freecells: AH 2H 3H 4H 5H\n"})
        bad.push_back({"solve-boards", board, ""});
    // A budget the machine cannot hold is refused before any search.
    for (const char *args : {"solve 5052 --max-states 1099511627776", "solve-range 1 2 --max-states 1099511627776",
                             "solve-boards --max-states 1000000000000 --jobs 256"})
        bad.push_back({args, "", "more than the"});
    // Boards of more piles than the rules have.
    for (auto [args, columns, cells] : {std::tuple{"--set HomePiles=10 solve-boards", 11, 0},
                                        {"--set HomePiles=10 solve-boards", 14, 0},
                                        {"--set HomePiles=4 solve-boards", 8, 4},
                                        {"--set ResPiles=2 solve-boards", 8, 3},
                                        {"solve-boards", 8, 5},
                                        {"--set ResPiles=0 solve-boards", 8, 1}})
        bad.push_back({args, BoardOf(columns, cells), "more "});
    for (const Bad &b : bad) {
        const CliRun r = Cli(b.Args, b.Input);
        EXPECT_EQ(r.Status, 2) << b.Args << "\n" << b.Input;
        EXPECT_EQ(r.Out, b.Input.rfind("print", 0) ? "" : Cli("play 1", "print\n").Out) << b.Args;
        EXPECT_EQ(Lines(r.Err), 1) << r.Err;
        EXPECT_EQ(r.Err.rfind("tabloo-cli: ", 0), 0u) << r.Err;
        EXPECT_NE(r.Err.find(b.Says), std::string::npos) << r.Err;
    }
    ASSERT_EQ(Cli("--set HomePiles=10 solve-boards --max-states 1000", BoardOf(10, 0)).Status, 0);
    ASSERT_EQ(Cli("--set ResPiles=2 solve-boards --max-states 1000", BoardOf(8, 2)).Status, 0);
    // Huge numbers that are whole are a refused move, not a malformed one.
    EXPECT_EQ(Cli("play 1", "move 0 0 0 0 70000\nmove -5 0 0 0 1\n").Out, "refused\nrefused\n");
}

TEST(Cli, SolveBlocksAndTheirMovesPlayToWon) {
    std::mt19937 rng(7);
    int wins = 0;
    for (int round = 0; round < 8; ++round) {
        // The default rules first, then random variants.
        std::string sets;
        const char *keys[] = {"HomePiles", "GoalOrder", "GoalBase", "HomeOrder", "HomeAK", "Autoplay"};
        const unsigned most[] = {10, 9, 13, 9, 1, 0};
        for (int k = 0; k < 6; ++k)
            if (round > 0 && rng() % 2)
                sets += std::string("--set ") + keys[k] + "=" + std::to_string(rng() % (most[k] + 1)) + " ";
        const std::string game = std::to_string(rng() % 100000);
        const CliRun r = Cli(sets + "solve " + game + " --max-states 30000");
        ASSERT_EQ(r.Status, 0) << r.Err;
        const auto lines = LinesOf(r.Out);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines.back().rfind("states ", 0), 0u);
        if (lines[0].rfind("winnable ", 0) != 0) {
            EXPECT_TRUE(lines[0] == "unwinnable" || lines[0] == "unknown") << lines[0];
            EXPECT_EQ(lines.size(), 2u);
            continue;
        }
        ++wins;
        ASSERT_EQ(lines.size(), std::stoul(lines[0].substr(9)) + 2) << r.Out;
        std::string moves, expected;
        for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
            moves += lines[i] + "\n";
            expected += "ok\n";
        }
        EXPECT_EQ(Cli(sets + "play " + game, moves).Out, expected + "won\n") << r.Out;
    }
    EXPECT_GE(wins, 3);

    // Inside play: the same block for the position reached, and a hint that is its first move.
    const CliRun p = Cli("play 123", "move 0 0 6 4 0\nsolve\nhint\n");
    const auto lines = LinesOf(p.Out);
    ASSERT_GE(lines.size(), 5u) << p.Out;
    EXPECT_EQ(lines[0], "ok");
    EXPECT_EQ(lines[1].rfind("winnable ", 0), 0u);
    EXPECT_EQ(lines.back(), "hint " + lines[2]);
    const CliRun none = Cli("--set HomePiles=4 --set ResPiles=0 --set HomeOrder=0 play 1", "hint\nsolve\n");
    EXPECT_EQ(none.Out, "hint none\nunwinnable\nstates 1\n");
    EXPECT_EQ(Cli("solve 61 --max-states 25").Out, "unknown\nstates 25\n");
}

// --searches runs only the searches named, each with its share; by default all, in order.
TEST(Cli, SearchesRunAsNamed) {
    // Game 122 takes 3,460 positions in all: the first search alone stops at its 3,000.
    EXPECT_EQ(Cli("solve 122 --searches balanced").Out, "unknown\nstates 3000\n");
    EXPECT_EQ(Cli("solve 122 --searches balanced,dig,park,complete").Out, Cli("solve 122").Out);
    // Game 192 (two free cells, no autoplay) cannot be won: only the complete search's running out proves it.
    const std::string twoCells = "--set ResPiles=2 --set Autoplay=0 solve 192 --searches ";
    EXPECT_EQ(LinesOf(Cli(twoCells + "park").Out)[0], "unknown");
    EXPECT_EQ(LinesOf(Cli(twoCells + "complete").Out)[0], "unwinnable");
}

TEST(Cli, SolveRangeLinesInOrderWhateverTheThreads) {
    const CliRun one = Cli("--set ResPiles=1 solve-range 3 10 --max-states 5000");
    const CliRun three = Cli("--set ResPiles=1 solve-range 3 10 --jobs 3 --max-states 5000");
    ASSERT_EQ(one.Status, 0) << one.Err;
    auto a = LinesOf(one.Out), b = LinesOf(three.Out);
    ASSERT_EQ(a.size(), 9u) << one.Out;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(a[i].rfind(std::to_string(3 + i) + " ", 0), 0u) << a[i];
    EXPECT_EQ(std::vector<std::string>(a.begin(), a.end() - 1), std::vector<std::string>(b.begin(), b.end() - 1));
    // The totals line, read to its end.
    int won = -1, lost = -1, unknown = -1, end = 0;
    double seconds = 0, rate = 0;
    std::sscanf(a.back().c_str(), "games 8 winnable %d unwinnable %d unknown %d seconds %lf games/s %lf%n", &won, &lost,
                &unknown, &seconds, &rate, &end);
    ASSERT_EQ(end, static_cast<int>(a.back().size())) << a.back();
    EXPECT_EQ(won + lost + unknown, 8);
}

// A deal written out as a board of Freecell Solver's text format solves as the deal does.
TEST(Cli, SolveBoardsReadsFreecellSolverBoards) {
    std::string board;
    std::string suitsUp = "Foundations:", cells = "Freecells:";
    for (const std::string &line : LinesOf(Cli("--set ResPiles=4 deal 123").Out)) {
        const std::string cards = line.substr(line.find(':') + 1);
        if (line.rfind("home ", 0) == 0)
            board += ":" + cards + "\n";
        else if (line.rfind("reserve ", 0) == 0)
            cells += cards.empty() ? " -" : cards;
        else if (line.rfind("goal ", 0) == 0 && !cards.empty())
            suitsUp += std::string(" ") + cards.back() + "-" + cards[cards.size() - 2];
    }
    const std::string input =
        suitsUp + "\n" + cells + "\n" + board + "\n\n# done\nFoundations: H-K C-K D-K S-Q\n: KS\n";
    const CliRun r = Cli("solve-boards --jobs 2", input);
    ASSERT_EQ(r.Status, 0) << r.Err;
    const auto lines = LinesOf(r.Out);
    ASSERT_EQ(lines.size(), 3u) << r.Out;
    const std::string deal = LinesOf(Cli("solve-range 123 123").Out)[0];
    EXPECT_EQ(lines[0].substr(1), deal.substr(3)) << input;
    EXPECT_EQ(lines[1], "2 winnable 0 states 1");
    EXPECT_EQ(lines[2].rfind("games 2 winnable 2 unwinnable 0 unknown 0 ", 0), 0u);
}

// Output that takes `lines` lines and then fails, as a pipe its reader has closed.
struct ClosingBuf : std::streambuf {
    int Lines;
    std::string Text;
    explicit ClosingBuf(int lines) : Lines(lines) {}
    int overflow(int c) override {
        if (Lines == 0)
            return traits_type::eof();
        Text += static_cast<char>(c);
        Lines -= c == '\n';
        return c;
    }
};

// Input without end: the same line again and again.
struct EndlessBuf : std::streambuf {
    std::string Line;
    explicit EndlessBuf(std::string line) : Line(std::move(line)) {}
    int underflow() override {
        setg(Line.data(), Line.data(), Line.data() + Line.size());
        return traits_type::to_int_type(Line[0]);
    }
};

TEST(Cli, SolveRangeStreamsItsLinesWhateverTheRange) {
    // The whole range: lines come out in order from the first, no slot kept for the rest.
    for (const char *jobs : {"1", "2"}) {
        ClosingBuf buf(300);
        std::ostream out(&buf);
        std::istringstream in;
        std::ostringstream err;
        const int status =
            RunCli({"solve-range", "0", "999999999999999", "--max-states", "50", "--jobs", jobs}, in, out, err);
        EXPECT_EQ(status, 2);
        EXPECT_EQ(err.str(), "tabloo-cli: cannot write the results\n");
        const auto lines = LinesOf(buf.Text);
        ASSERT_EQ(lines.size(), 300u);
        for (int i = 0; i < 300; ++i)
            ASSERT_EQ(lines[i].rfind(std::to_string(i) + " ", 0), 0u) << lines[i];
    }
}

TEST(Cli, SolveBoardsRefusesAtTheFirstBadLine) {
    // Endless input: a line that never ends, and bad lines without end.
    const std::pair<std::string, std::string> endless[] = {
        {"AH ", "tabloo-cli: line 1 is longer than 4096 characters\n"},
        {": XX\n", "tabloo-cli: board 1 (line 1): not a card: 'XX'\n"},
    };
    for (const auto &[line, message] : endless) {
        EndlessBuf buf(line);
        std::istream in(&buf);
        std::ostringstream out, err;
        EXPECT_EQ(RunCli({"solve-boards"}, in, out, err), 2);
        EXPECT_EQ(err.str(), message);
        EXPECT_EQ(out.str(), "");
    }
    // The second board's third line.
    const CliRun r = Cli("solve-boards", BoardOf(8, 0) + "\n: AH\n: 2H\n: 2H\n: 3H\n");
    EXPECT_EQ(r.Err, "tabloo-cli: board 2 (line 13): a card twice: '2H'\n");
}

TEST(Cli, RandomBytesNeverCrashIt) {
    std::mt19937 rng(99);
    const std::vector<std::string> words = {"move", "undo", "redo", "undoall", "redoall", "autoplay", "print",
                                            "0",    "3",    "4",    "-1",      "7",       "65536",    "#"};
    for (int round = 0; round < 300; ++round) {
        std::string input;
        for (int l = 1 + static_cast<int>(rng() % 40); l > 0; --l) {
            if (rng() % 4 == 0)
                for (int n = static_cast<int>(rng() % 30); n > 0; --n)
                    input += static_cast<char>(rng() % 256);
            else
                for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n)
                    input += words[rng() % words.size()] + (rng() % 9 ? " " : "\t");
            input += '\n';
        }
        const CliRun r =
            Cli("--set HomePiles=" + std::to_string(rng() % 12) + " play " + std::to_string(rng() % 1000), input);
        ASSERT_TRUE(r.Status == 0 || (r.Status == 2 && Lines(r.Err) == 1)) << r.Status << " " << r.Err;
    }
}

} // namespace
} // namespace tabloo
