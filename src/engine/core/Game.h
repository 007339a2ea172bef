// The game: one object that owns the board, the card table, the move log, the settings
// and the 52 cards, with the life of a game (start, end, the win), the rules, autoplay,
// the player records and the clock. Whoever needs the game is handed a reference.
#pragma once

#include "Platform.h"
#include "Position.h"
#include "cArray.h"
#include "cCard.h"
#include "cGameClock.h"
#include "cGames.h"
#include "cPlayers.h"
#include "cRegistry.h"
#include "cSavedGame.h"
#include "cTrans.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabloo {

struct DealtGame;

namespace test {
struct TestGame;
}

// A place the engine can lay a lifted card on.
struct PileRef {
    std::int16_t Cell = -1;
    std::int16_t Pile = -1;
    bool Valid() const { return Cell >= 0; }
    bool operator==(const PileRef &) const = default;
};

// A move the rules allow: lift PicID (with Riding cards on it) and lay it on Target.
struct LegalMove {
    std::int16_t PicID = -1;
    std::int16_t Riding = 0;
    PileRef Target;
};

class Game {
public:
    Game(ISettingsBackend &settings, IClock &clock, IRandomSource &random, ITableView &view);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // The store the game is played on (the window's settings and records share it).
    ISettingsBackend &Settings;

    // ---- the table as the window and the tool see it ----
    const cCard &Card(std::int16_t picId) const { return Array.Card(picId); }
    // The card at a place, -1 where none lies; the top card of a pile and its position
    // (-1 when the pile is empty).
    std::int16_t CardAt(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
        return Array.GetPicID(cell, pile, pos);
    }
    std::int16_t TopCard(std::int16_t cell, std::int16_t pile = 0) const { return Array.GetTopPicID(cell, pile); }
    std::int16_t TopPos(std::int16_t cell, std::int16_t pile = 0) const { return Array.GetTop(cell, pile); }
    std::int16_t GoalCardCount() const { return Array.TotalGoalCards(); }
    // The running game's piles of an area, the cards dealt onto it, its build order.
    std::int16_t Piles(std::int16_t cell) const { return Games.Piles(cell); }
    std::int16_t DealtCards(std::int16_t cell) const { return Games.Cards(cell); }
    std::int32_t Order(std::int16_t cell) const { return Games.Order(cell); }
    bool AK(std::int16_t cell) const { return Games.AK(cell); }
    // Where a card of (cell, pile, pos) lies: its top-left corner in twips.
    std::int16_t PlaceX(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
        return Games.GetCordX(cell, pile, pos);
    }
    std::int16_t PlaceY(std::int16_t cell, std::int16_t pile, std::int16_t pos) const {
        return Games.GetCordY(cell, pile, pos);
    }

    // Plays the sound once the travels asked for before it have landed.
    void PlaySound(std::string_view name) { View.PlaySound(name); }

    // ---- the log ----
    // The moves in force (the log's current index), whether undo or redo has a move.
    std::int16_t MovesInForce() const { return Trans.GetTransID(); }
    bool CanUndo() const { return Trans.UndoPossible(); }
    bool CanRedo() const { return Trans.RedoPossible(); }
    std::int16_t LogLength() const { return Trans.LastIndex(); }
    const TransRecord &LogRecord(std::int16_t i) const { return Trans.Record(i); }
    std::span<const TransRecord> Log() const { return Trans.Log(); }

    // ---- the game kept in the store ----
    // Takes a kept-game slot no other running copy holds; without one, no game is kept.
    bool ClaimKeptSlot(ISlotLocks &locks) { return KeepRunningGame = Saved.ClaimSlot(locks); }
    int KeptSlot() const { return Saved.Slot(); }
    bool HasKeptGame() const { return Saved.Present(); }
    std::string KeptGameNo() const { return Saved.GameNo(); }

    // ---- the game in play ----
    // Where the game stands: none on the board (before the first deal, after the end), in
    // play, in play with every card home (the win noticed, until a move takes it back), or
    // won with its result recorded while the board still shows it.
    enum class State : std::uint8_t { NoGame, Playing, AllHome, Recorded };
    State GameState() const { return Phase; }
    bool Running() const { return Phase == State::Playing || Phase == State::AllHome; }
    bool WinNoticed() const { return Phase == State::AllHome || Phase == State::Recorded; }
    bool ResultRecorded() const { return Phase == State::Recorded; }
    // The game number exactly as it was given, as text.
    const std::string &GameNo() const { return CurrentGameNo; }
    // The rank the goal piles start from in the running game.
    std::int16_t GoalBase() const { return GoalBaseRank; }
    // How many games have been dealt: a new value is a new game (a restart included).
    std::uint32_t DealCount() const { return Deals; }
    // The player slot the running game counts for; 0: nobody (its player was deleted).
    std::int16_t Player() const { return GamePlayer; }
    // Whether running games are kept in the store (the window's store outlives the
    // program; the headless tool's, in memory, does not).
    void KeepGames(bool keep) { KeepRunningGame = keep; }
    // The player hands the running game to the solver: it counts as lost when it ends, even
    // with every card home. Kept with the running game, so that a kill does not turn it into
    // a win.
    void GiveUp();
    bool HandedOver() const { return GivenUp; }
    // The goal cards that lay home when the player handed the game over: the score counts
    // no more than these (the clock goes on costing), so that the solver earns nothing.
    std::int16_t HandedOverGoalCards() const { return GivenUpGoalCards; }

    // ---- the life of a game ----
    // Ends a running game as lost, then deals the game of this number (text holding a
    // number, as typed, or a number).
    void StartGame(std::string_view gameNo);
    void StartGame(double gameNo);
    // Records the result (1 won, with the score the end-of-game summary showed; 0 lost),
    // empties the log and takes the board down.
    void EndGame(std::int16_t result, std::int16_t score = 0);
    // The won game's result as its end-of-game dialog shows it, recorded when the dialog
    // opens: the clock stops, the kept game goes, and a kill while the dialog is open finds
    // the win counted and nothing to offer again. EndGame then only takes the board down.
    void RecordWin(std::int16_t score);
    // Tells the view when all 52 cards of a running game come to lie on the goal piles (once
    // until a move takes the win back).
    void CheckWin();
    std::string Title() const;
    // Hands the title to the view (the player's name may have changed since the deal).
    void SetTitle();
    // A random game number 0 .. 999,999,999,999,999.
    double RandomGameNo();

    // ---- the game kept in the store while it runs ----
    // Writes the running game to the store: whole after a deal, else what changed since.
    // Runs once after every move (with its autoplay), undo and redo.
    void SaveRunningGame();
    // Deals the stored game under its own rules, makes its logged moves at once (each as the
    // rules allow it), restores the current index and the clock, and goes on with it. When
    // it cannot be brought back (a part missing or broken, a move the rules refuse) it is
    // counted as lost for its player, once, and dropped; `fault` says why.
    bool ResumeSavedGame(std::string &fault);
    // Counts the stored game as lost for its player, exactly as closing the window would
    // have, and drops it.
    void AbandonSavedGame();

    // ---- the rules ----
    bool FitsStep(std::int16_t lower, std::int16_t upper, int direction, int suitRule, bool ak) const;
    bool FitsOrder(std::int16_t lower, std::int16_t upper, std::int32_t order, bool ak) const;
    bool IsOrderedRun(std::int16_t picId, std::int16_t count) const;
    std::int16_t CountEmptyPiles(std::int16_t cell) const;
    std::int16_t MaxExtraCards() const;
    // How many cards ride on the card when it is lifted, or -1 when it cannot be lifted.
    std::int16_t PickUpCount(std::int16_t picId) const;
    // Does pile (cell, pile) take the card with `riding` cards on it.
    bool Accepts(std::int16_t picId, std::int16_t riding, std::int16_t cell, std::int16_t pile) const;
    // The pile a lifted card dropped with its top-left corner at (left, top) lands on:
    // first by its centre, then by overlap; home, reserve, goal, each from pile 0.
    PileRef FindDropTarget(std::int16_t picId, std::int16_t riding, std::int16_t left, std::int16_t top) const;
    static bool CardsOverlap(std::int16_t left, std::int16_t top, std::int16_t x, std::int16_t y, bool centreTest);
    // Lays a lifted card (and its riders) on a pile that takes it, as a drop does: plays
    // "CardUp", makes the move, then autoplay's cascade; judges the win and keeps the game.
    // False, with nothing changed, when it is not allowed.
    bool PlayMove(std::int16_t picId, PileRef target);
    // Takes the last move in force back, or makes the next one again, at `speed` animation
    // steps (above 3 with its sound); false when there is none. No autoplay follows.
    bool Undo(std::int16_t speed = 0);
    bool Redo(std::int16_t speed = 0);
    // Every move back, or every move again; the store takes the end of it all at once.
    void UndoAll(std::int16_t speed = 0);
    void RedoAll(std::int16_t speed = 0);
    // Every move the rules allow now (for tools, tests and, later, hints).
    std::vector<LegalMove> LegalMoves() const;
    // A move of position `p` (the table as it is now) as the card to lift and where to.
    LegalMove ToLegalMove(const Position &p, const Move &m) const;
    // The table as a position: every card, the variant, the goal base, and the Autoplay
    // and MultiMove settings as they are now. The rules above all answer through it.
    Position CurrentPosition() const;
    // The card's value as a position knows it (suit × 13 + rank).
    std::int16_t CardValue(std::int16_t picId) const {
        const cCard &card = Array.Card(picId);
        return static_cast<std::int16_t>(card.Suit * 13 + card.Num);
    }

    // ---- autoplay ----
    // Autoplay's cascade from the table as it is (when the setting is on), then the win and
    // the kept game when a card went up.
    void AutoplayAll();
    // Sends the card to the first goal pile that takes it, then the cascade; false when no
    // goal pile takes it.
    bool AutoplayCard(std::int16_t picId);
    // Switches the Autoplay setting; switching it on plays at once. Returns the new state.
    bool ToggleAutoplay();

    // ---- players (their records live in the store: cPlayers) ----
    void EnsureFirstPlayer() { Players.EnsureFirst(); }
    std::int16_t CountPlayers() const { return Players.Count(); }
    // The slot whose record counts: CurPlayerInx when it names a used slot, else the
    // lowest used slot.
    std::int16_t CurrentPlayerSlot() const { return Players.CurrentSlot(); }
    std::string CurrentPlayerName() const { return Players.CurrentName(); }
    void ResetPlayerStats(std::int16_t slot) { Players.ResetStats(slot); }
    void CreatePlayer(std::int16_t slot, std::string_view name) { Players.Create(slot, name); }
    // Deletes the player of the slot (its name only; the id and counts stay until a new
    // player takes the slot). The current player becomes the lowest slot still in use, and a
    // running game of the deleted player counts for nobody.
    void DeletePlayer(std::int16_t slot);
    // Adds a game's result to the record of the player in `slot` (0: nobody's, nothing):
    // a win counts the score given, a loss the running game's score now.
    void RecordGameResult(std::int16_t slot, std::int16_t result, std::int16_t score = 0);

    // ---- clock and score (cGameClock) ----
    // The running game's seconds; 0 with no game running.
    std::int32_t ElapsedSeconds() const { return Running() ? GameClock.Elapsed() : 0; }
    static std::string FormatElapsed(std::int64_t seconds) { return cGameClock::Format(seconds); }
    // The running game's score (a game handed to the solver earns nothing for the cards
    // the solver sent home); 0 with no game running.
    std::int16_t GameScore() const;

private:
    IRandomSource &Random;
    ITableView &View;
    cRegistry Registry;
    cPlayers Players{Registry, Random};
    cGameClock GameClock;
    // The running game as the store keeps it, to bring it back after a crash or a kill.
    cSavedGame Saved{Registry};
    cGames Games;
    cArray Array;
    cTrans Trans;
    // The engine's tests lay boards out card by card.
    friend struct test::TestGame;

    // Shuffles and deals a game of this number under these rules, without its first
    // autoplay; no game runs yet.
    void DealGame(std::string_view gameNo, const GameRules &rules);
    // Makes logged move `index` again when the rules allow it now; false when not.
    bool RedoChecked(std::int16_t index);
    // The move that dropping the card on `target` makes: where the card lands and how many
    // cards ride on it, as the log records them; false when the rules refuse the drop.
    bool RuledMove(std::int16_t picId, PileRef target, std::int16_t &dPos, std::int16_t &mCards) const;
    void LoadBoard();
    // Lays the dealt cards out as the deal places them, from the deck spot.
    void LayOut(const DealtGame &dealt);
    void ClearBoard();
    GameRules ReadGameRules() const;
    // The table as a position, without reading the settings (MultiMove and Autoplay on).
    Position BoardPosition() const;
    // The position's pile the card lies on, -1 when it lies on none.
    int PositionPile(std::int16_t picId) const;
    // Books one move of a card and its riders: in the log first when it is a play move,
    // then in the table; the view is told where each card travels. False, with nothing
    // changed, when the table or the log refuses it.
    bool Book(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int16_t mCards,
              std::int32_t tMod, std::int16_t speed, std::int32_t dFace = 0);
    // Autoplay's move of a card to goal pile `goal` (a position's pile number), with its
    // sound; false when the log is full.
    bool SendToGoal(std::int16_t picId, int goal);
    // Autoplay's cascade: while the setting is on and a goal pile takes a top card, the
    // first such card goes up, and the next scan starts from the new table. Returns how
    // many cards went up.
    int Cascade();
    // What ends every move: the win judged, the running game kept.
    void Settle();
    // An undo or redo step of log record `r` to the given place.
    void Step(const TransRecord &r, bool back, std::int16_t speed);

    State Phase = State::NoGame;
    bool KeepRunningGame = true;
    std::string CurrentGameNo;
    std::int16_t GoalBaseRank = 0;
    std::uint32_t Deals = 0;
    bool GivenUp = false;
    std::int16_t GivenUpGoalCards = 0;
    std::int16_t GamePlayer = 0;
    // The rules the running game was dealt with.
    GameRules DealtRules;
    // The store's copy of the log is good up to the record before this one; 0: the game
    // has not been written whole yet.
    std::size_t UnsavedFrom = 0;
    // Records from `index` on changed.
    void LogChangedFrom(std::int16_t index);
};

} // namespace tabloo
