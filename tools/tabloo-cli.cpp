// tabloo-cli: deal, play and measure games without a window.
#include "Cli.h"

#include <iostream>
#include <new>

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return tabloo::RunCli(args, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        // Whatever ran out (a search in `play`, say), the tool ends as on any bad input.
        std::cout.flush();
        std::cerr << "tabloo-cli: out of memory\n";
        return 2;
    }
}
