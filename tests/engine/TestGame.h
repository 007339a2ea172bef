// A game on in-memory platform pieces, board layout helpers and a table/card consistency check.
#pragma once

#include "Cli.h"
#include "Game.h"
#include "cMemorySettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tabloo::test {

struct FixedClock : IClock {
    std::int64_t Now = 1'000'000;
    std::int64_t NowSeconds() const override { return Now; }
};

// Returns the scripted fractions in turn, then 0.5 for ever.
struct ScriptedRandom : IRandomSource {
    std::vector<double> Values;
    std::size_t Next = 0;
    int Seeds = 0;
    void SeedFromClock() override { ++Seeds; }
    double NextFraction() override { return Next < Values.size() ? Values[Next++] : 0.5; }
};

struct RecordingView : ITableView {
    std::vector<std::string> Sounds;
    int Won = 0;
    int Cleared = 0;
    std::string Title;
    struct Travel {
        std::int16_t PicID, X, Y, Steps;
        std::int32_t Mode;
    };
    std::vector<Travel> Travels;
    std::map<std::pair<int, int>, std::int32_t> Markers;

    void ClearBoard() override {
        ++Cleared;
        Markers.clear();
    }
    void PlaceMarker(std::int16_t cell, std::int16_t pile, std::int16_t, std::int16_t, std::int32_t mode) override {
        Markers[{cell, pile}] = mode;
    }
    void TravelCard(std::int16_t picId, std::int16_t x, std::int16_t y, std::int16_t steps,
                    std::int32_t tMod) override {
        Travels.push_back({picId, x, y, steps, tMod});
    }
    void PlaySound(std::string_view name) override { Sounds.emplace_back(name); }
    void GameWon() override { ++Won; }
    void TitleChanged(std::string_view title) override { Title = title; }
};

// Where the layout helper parks cards it does not place: area 2, no part of the board.
inline constexpr std::int16_t kParking = 2;

// Writes "Key=value Key=value ..." into the options.
void SetAll(cRegistry store, std::string_view pairs);

// A game on a store of the test's choosing, as a program started over that store has it.
struct GameOn {
    FixedClock Clock;
    ScriptedRandom Random;
    RecordingView View;
    Game TheGame;
    // The settings and records of the store the game is played on.
    cRegistry Store{TheGame.Settings};
    explicit GameOn(ISettingsBackend &settings, std::int64_t now = 1'000'000) : TheGame(settings, Clock, Random, View) {
        Clock.Now = now;
    }
};

struct MemoryStore {
    cMemorySettings Settings;
};

struct TestGame : MemoryStore, GameOn {
    TestGame() : GameOn(Settings) { TheGame.EnsureFirstPlayer(); }

    void Set(std::string_view key, std::string_view value) { Store.Write(cRegistry::kData, key, value); }
    void Set(std::string_view pairs) { SetAll(Store, pairs); }
    std::string Board() const { return FormatBoard(TheGame); }
    // Changes the build order of an area in the middle of a game.
    void SetOrder(std::int16_t cell, std::int32_t order) { TheGame.Games.SetOrder(cell, order); }

    // The card with this text ("AS", "TD", "KH").
    std::int16_t Id(std::string_view text) const;
    // The cards of a pile, bottom first, as the tool prints them (" AS 2S").
    std::string Pile(std::int16_t cell, std::int16_t pile) const;

    // A game with Autoplay off and these piles, bottom first ({kHome, 0} -> "KS QH"); the rest parked.
    void Arrange(std::int16_t homePiles, std::int16_t resPiles,
                 const std::map<std::pair<int, int>, std::string> &piles);

    // Plays a drop of the card at (cell, pile, pos) onto a pile, as the player does.
    bool Move(std::int16_t cell, std::int16_t pile, std::int16_t pos, std::int16_t dCell, std::int16_t dPile) {
        return TheGame.PlayMove(TheGame.CardAt(cell, pile, pos), {dCell, dPile});
    }
};

// A player's record as one line: "games 3 won 1 score 290 moves 12".
std::string Record(const cRegistry &store, std::int16_t slot);

// Drops the first `count` solver moves as a player; false at a refused one or one after the win.
bool PlayMoves(Game &g, const std::vector<Move> &moves, std::size_t count = SIZE_MAX);

// Every card lies in exactly one place, and the table and the cards agree.
::testing::AssertionResult Consistent(const Game &g);

// Random moves, undos and redos, Consistent after each, until steps or moves run out; returns steps.
int PlayAWhile(Game &g, std::mt19937 &rng, int steps);

} // namespace tabloo::test
