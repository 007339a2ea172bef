// tabloo-cli: deal, play and measure games without a window.
#include "Cli.h"

#include <iostream>

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return tabloo::RunCli(args, std::cin, std::cout, std::cerr);
}
