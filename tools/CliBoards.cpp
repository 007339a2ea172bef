#include "CliBoards.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <istream>

namespace tabloo::cli {

// A piece of input fit to quote in a one-line message.
std::string Quote(std::string_view text) {
    std::string q = "'";
    for (std::size_t i = 0; i < text.size() && i < 40; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        q += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    }
    if (text.size() > 40)
        q += "...";
    return q + "'";
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (i < line.size()) {
        while (i < line.size() && space(line[i]))
            ++i;
        std::size_t start = i;
        while (i < line.size() && !space(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace {

// A rank as a board of Freecell Solver's text format writes it: A 2..9 T (or 10 or 0) J Q K;
// -1 when it is none.
int ParseRank(std::string_view word) {
    if (word == "10" || word == "0")
        word = "T";
    const char *rank =
        word.size() == 1 ? std::strchr(kRanks, std::toupper(static_cast<unsigned char>(word[0]))) : nullptr;
    return rank && *rank ? static_cast<int>(rank - kRanks) : -1;
}

// A suit of that format: H S D C as 0..3; -1 when it is none.
int ParseSuit(char c) {
    const char *suit = std::strchr(kSuits, std::toupper(static_cast<unsigned char>(c)));
    return c && suit ? static_cast<int>(suit - kSuits) : -1;
}

// A card of that format: its rank, then its suit; -1 when it is none.
int ParseCard(std::string_view word) {
    const int suit = word.size() >= 2 ? ParseSuit(word.back()) : -1;
    const int rank = ParseRank(word.substr(0, word.size() - 1));
    return suit >= 0 && rank >= 0 ? suit * 13 + rank : -1;
}

// Lays out boards of Freecell Solver's text format on the rules of `rules`, a line at a
// time: an optional "Foundations: H-5 C-0 D-A S-2" line (each suit from its Ace up to the
// rank given, on the goal piles in turn), an optional "Freecells:" line (cards or '-', on
// the reserve piles in turn) and one line per column, bottom card first, on the home piles
// in turn (a leading ':' is allowed). Every card must lie somewhere once; a board with
// more columns, free cells or foundations than the rules have is refused. The autoplay
// cascade then runs, as after a deal.
class cBoardReader {
public:
    explicit cBoardReader(const Position &rules) : Rules(rules) { Clear(); }

    // One line of a board; throws at the first fault in it.
    void Add(std::string_view line) {
        auto words = Split(line);
        const std::string_view head = words.front();
        if (head == "Foundations:" || head == "Founds:") {
            int goal = Position::kGoal0;
            for (std::size_t i = 1; i < words.size(); ++i) {
                const std::string_view w = words[i];
                const int suit = ParseSuit(w[0]);
                const int top = w.size() >= 3 && w[1] == '-' ? (w.substr(2) == "0" ? -1 : ParseRank(w.substr(2))) : -2;
                if (suit < 0 || top < -1)
                    throw Failure{"not a foundation: " + Quote(w)};
                if (top >= 0 && goal >= Position::kPiles)
                    throw Failure{"more foundations than the rules' 4 at " + Quote(w)};
                for (int rank = 0; rank <= top; ++rank)
                    Lay(goal, suit * 13 + rank, w);
                goal += top >= 0;
            }
        } else if (head == "Freecells:" || head == "FC:") {
            for (std::size_t i = 1; i < words.size(); ++i) {
                if (words[i] == "-")
                    continue;
                if (static_cast<int>(i) > Rules.ResPiles)
                    throw Failure{"more free cells than the rules' " + std::to_string(Rules.ResPiles) + " at " +
                                  Quote(words[i])};
                Lay(Position::kReserve0 + static_cast<int>(i) - 1, ParseCard(words[i]), words[i]);
            }
        } else {
            if (head == ":")
                words.erase(words.begin());
            else if (head.front() == ':')
                words.front() = head.substr(1);
            if (Home >= Position::kHome0 + Rules.HomePiles)
                throw Failure{"more columns than the rules' " + std::to_string(Rules.HomePiles)};
            for (std::string_view w : words)
                Lay(Home, ParseCard(w), w);
            ++Home;
        }
        Started = true;
    }
    bool Started = false;
    // The board laid so far, whole; throws when it is not, and starts the next one.
    Position Finish() {
        if (Laid != (std::uint64_t(1) << 52) - 1)
            throw Failure{"the board has " + std::to_string(std::popcount(Laid)) + " cards, not 52"};
        Position done = P;
        Autoplay(done);
        Clear();
        return done;
    }

private:
    void Clear() {
        P = Rules;
        std::fill(std::begin(P.Len), std::end(P.Len), std::uint8_t(0));
        std::fill(std::begin(P.Card), std::end(P.Card), std::uint8_t(0));
        Laid = 0;
        Home = Position::kHome0;
        Started = false;
    }
    void Lay(int pile, int card, std::string_view word) {
        if (card < 0)
            throw Failure{"not a card: " + Quote(word)};
        if (Laid >> card & 1)
            throw Failure{"a card twice: " + Quote(word)};
        if (!P.InPlay(pile))
            throw Failure{"more piles than the rules have at " + Quote(word)};
        Laid |= std::uint64_t(1) << card;
        PushCard(P, pile, card);
    }

    Position Rules, P;
    std::uint64_t Laid = 0;
    int Home = Position::kHome0;
};

// The longest line a board takes: a column of all 52 cards, with room for any spacing.
constexpr std::size_t kLongestBoardLine = 4096;

// Reads one line into `line`, at most `longest` characters of it; false at the end of the
// input. Throws when the line is longer, without reading the rest of it.
bool ReadLine(std::istream &in, std::string &line, std::size_t longest, long number) {
    line.clear();
    std::streambuf *buf = in.rdbuf();
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof())
            return !line.empty() || (in.setstate(std::ios::eofbit), false);
        if (c == '\n')
            return true;
        if (line.size() == longest)
            throw Failure{"line " + std::to_string(number) + " is longer than " + std::to_string(longest) +
                          " characters"};
        line += static_cast<char>(c);
    }
}

} // namespace

std::vector<Position> ReadBoards(std::istream &in, const Position &rules) {
    std::vector<Position> boards;
    cBoardReader reader(rules);
    std::string line;
    long number = 0;
    auto finish = [&] {
        if (!reader.Started)
            return;
        try {
            boards.push_back(reader.Finish());
        } catch (const Failure &f) {
            throw Failure{"board " + std::to_string(boards.size() + 1) + " (line " + std::to_string(number) +
                          "): " + f.Message};
        }
    };
    for (;;) {
        const bool more = ReadLine(in, line, kLongestBoardLine, number + 1);
        if (!more)
            break;
        ++number;
        const auto words = Split(line);
        if (words.empty()) {
            finish();
        } else if (words[0].front() != '#') {
            try {
                reader.Add(line);
            } catch (const Failure &f) {
                throw Failure{"board " + std::to_string(boards.size() + 1) + " (line " + std::to_string(number) +
                              "): " + f.Message};
            }
        }
    }
    finish();
    return boards;
}

} // namespace tabloo::cli
