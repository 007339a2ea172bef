// The headless tool: deals and plays games from the command line over the engine alone,
// with an in-memory settings store that starts empty.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabloo {

class Game;

// The board as the tool prints it, one line each: game, base, home, reserve, goal, moves.
std::string FormatBoard(const Game &game);

// Runs the tool with its arguments (without the program name); returns the exit status.
int RunCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace tabloo
