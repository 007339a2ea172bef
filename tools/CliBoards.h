// What the headless tool reads as text: words of a line, quoted input for its messages,
// and the boards of Freecell Solver's text format that solve-boards solves.
#pragma once

#include "Position.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tabloo::cli {

// Ranks and suits as the tool writes and reads cards: TH is the ten of hearts.
inline constexpr char kRanks[] = "A23456789TJQK";
inline constexpr char kSuits[] = "HSDC";

// A fault in the command line or the input, said in one line.
struct Failure {
    std::string Message;
};

// A piece of input fit to quote in a one-line message.
std::string Quote(std::string_view text);
// The words of a line, apart at spaces and tabs.
std::vector<std::string_view> Split(std::string_view line);

// Reads boards in Freecell Solver's text format, one after another with blank lines
// between, and lays each out on the rules of `rules` (see cBoardReader in CliBoards.cpp);
// throws a Failure at the first line at fault, naming it.
std::vector<Position> ReadBoards(std::istream &in, const Position &rules);

} // namespace tabloo::cli
