#include "Game.h"

#include "Deal.h"
#include "NumText.h"

#include <algorithm>

namespace tabloo {

Game::Game(ISettingsBackend &settings, IClock &clock, IRandomSource &random, ITableView &view)
    : Settings(settings), Random(random), View(view), Registry(settings), GameClock(clock) {}

GameRules Game::ReadGameRules() const {
    GameRules r;
    r.HomePiles = Registry.HomePiles();
    r.ResPiles = Registry.ResPiles();
    r.HomeOrder = Registry.HomeOrder();
    r.GoalOrder = Registry.GoalOrder();
    r.GoalCards = Registry.GoalCards();
    r.ResCards = Registry.ResCards();
    r.GoalBase = Registry.GoalBase();
    r.HomeAK = Registry.HomeAK();
    return r.Sanitized();
}

std::string Game::Title() const { return "Tabloo 3.0 [" + CurrentPlayerName() + "] [" + CurrentGameNo + "]"; }

void Game::SetTitle() { View.TitleChanged(Title()); }

double Game::RandomGameNo() { return tabloo::RandomGameNo(Random); }

void Game::StartGame(double gameNo) { StartGame(FormatGameNo(gameNo)); }

void Game::StartGame(std::string_view gameNo) {
    // The end of the last game and the first record of this one reach the store together:
    // a kill finds either the last game still kept, or it counted and this one kept.
    cRegistry::Update update(Registry);
    if (Running())
        EndGame(0);
    DealGame(gameNo, ReadGameRules());
    GamePlayer = CurrentPlayerSlot();
    Cascade();
    Phase = State::Playing;
    GameClock.Start();
    UnsavedFrom = 0;
    SaveRunningGame();
    // A deal whose first autoplay already sent every card home is a won game too.
    CheckWin();
}

void Game::DealGame(std::string_view gameNo, const GameRules &rules) {
    CurrentGameNo = std::string(gameNo);
    ++Deals;
    GivenUp = false;
    GivenUpGoalCards = 0;
    Phase = State::NoGame;
    DealtRules = rules;
    SetTitle();

    Games.FillFromRules(rules);
    LoadBoard();

    // The cards and their places as the deal makes them (its first autoplay is the game's
    // own, logged move by move), then a new log.
    const DealtGame dealt = Deal({rules, false}, CurrentGameNo);
    Array.Clear();
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        const int v = dealt.Value[static_cast<std::size_t>(id)];
        Array.SetCardValue(id, static_cast<std::int16_t>(CardSuit(v)), static_cast<std::int16_t>(CardRank(v)),
                           static_cast<std::int16_t>(CardSuit(v)));
        View.CardChanged(id, Card(id));
        View.BringCardToFront(id);
    }
    Trans.Reset();

    LayOut(dealt);
}

void Game::LoadBoard() {
    Array.ResetCards();
    View.LoadControls(Games.Piles(kHome), Games.Piles(kReserve));
}

void Game::LayOut(const DealtGame &dealt) {
    const std::int16_t resPiles = Games.Piles(kReserve), homePiles = Games.Piles(kHome);
    for (std::int16_t p = 0; p < resPiles; ++p)
        View.PlaceMarker(kReserve, p, Games.GetCordX(kReserve, p, 0), Games.GetCordY(kReserve, p, 0), 14);
    for (std::int16_t p = 0; p < homePiles; ++p)
        View.PlaceMarker(kHome, p, Games.GetCordX(kHome, p, 0), Games.GetCordY(kHome, p, 0), 14);
    GoalBaseRank = dealt.GoalBase;

    // The goal piles' first cards go straight there.
    auto placeOf = [&dealt](std::int16_t id) { return dealt.Place[static_cast<std::size_t>(id)]; };
    for (std::int16_t id = 0; id < kTotalCards; ++id)
        if (placeOf(id).Cell == kGoal)
            Book(id, kGoal, placeOf(id).Pile, placeOf(id).Pos, 0, kDealMove, 0);
    for (std::int16_t p = 0; p < kGoalPiles; ++p)
        View.PlaceMarker(kGoal, p, Games.GetCordX(kGoal, p, 0), Games.GetCordY(kGoal, p, 0), GoalBaseRank);

    // Everything else goes face down onto the deck spot, lowest card first; then from the
    // top of the deck each card to its place: the reserve piles' first, then the home piles'.
    for (std::int16_t id = 0; id < kTotalCards; ++id)
        if (placeOf(id).Cell != kGoal)
            Book(id, kDeck, 0, static_cast<std::int16_t>(Array.GetTop(kDeck, 0) + 1), 0, kDealMove, 0, 1);
    bool started = false;
    for (std::int16_t id; (id = Array.GetTopPicID(kDeck, 0)) >= 0;) {
        const CardPlace to = placeOf(id);
        if (to.Cell != kReserve && !started) {
            View.PlaySound("Start");
            started = true;
        }
        if (!Book(id, to.Cell, to.Pile, to.Pos, 0, kDealMove, 5))
            break;
    }
    if (!started)
        View.PlaySound("Start");
}

void Game::EndGame(std::int16_t result, std::int16_t score) {
    // The record and the removal of the kept game reach the store together: a game is
    // counted once, whenever the program is killed.
    cRegistry::Update update(Registry);
    if (Phase != State::Recorded) {
        RecordGameResult(GamePlayer, result, score);
        Saved.Remove();
    }
    Phase = State::NoGame;
    Trans.Reset();
    ClearBoard();
}

void Game::RecordWin(std::int16_t score) {
    if (Phase == State::Recorded)
        return;
    {
        cRegistry::Update update(Registry);
        RecordGameResult(GamePlayer, 1, score);
        Saved.Remove();
    }
    Phase = State::Recorded;
}

void Game::ClearBoard() {
    Array.ResetCards();
    // The board is down: the table is empty too, so nothing can act on the last game's
    // cards (autoplay switched on between games finds nothing to play).
    Array.Clear();
    View.ClearBoard();
}

void Game::CheckWin() {
    // Judged after every move: an undo that takes a goal card back takes the win back too,
    // and the redo that makes it again wins again.
    if (!Running())
        return;
    if (Array.TotalGoalCards() != kTotalCards) {
        Phase = State::Playing;
        return;
    }
    if (Phase == State::AllHome)
        return;
    Phase = State::AllHome;
    View.GameWon();
}

void Game::LogChangedFrom(std::int16_t index) {
    if (UnsavedFrom != 0)
        UnsavedFrom = std::min<std::size_t>(UnsavedFrom, static_cast<std::size_t>(std::max<std::int16_t>(index, 1)));
}

void Game::SaveRunningGame() {
    if (!Running() || !KeepRunningGame)
        return;
    SavedGame game;
    game.Seconds = ElapsedSeconds();
    game.Current = Trans.GetTransID();
    game.GivenUp = GivenUp;
    game.GivenUpGoalCards = GivenUpGoalCards;
    const std::span<const TransRecord> log = Trans.Log();
    if (UnsavedFrom == 0) {
        game.GameNo = CurrentGameNo;
        game.Rules = DealtRules;
        game.Player = GamePlayer;
        Saved.Write(game, log);
    } else {
        Saved.Update(game, log, UnsavedFrom);
    }
    UnsavedFrom = log.size() + 1;
}

bool Game::RedoChecked(std::int16_t index) {
    const TransRecord &r = Trans.Record(index);
    const cCard &card = Card(r.PicID);
    if (card.Cell != r.SCell || card.Pile != r.SPile || card.Pos != r.SPos)
        return false;
    std::int16_t dPos, mCards;
    if (!RuledMove(r.PicID, {r.DCell, r.DPile}, dPos, mCards) || r.DPos != dPos || r.mCards != mCards)
        return false;
    return Redo(0);
}

bool Game::ResumeSavedGame(std::string &fault) {
    const std::optional<SavedGame> game = Saved.Load(fault);
    if (!game) {
        // Nothing to deal: the game counts as lost with nothing played.
        cRegistry::Update update(Registry);
        if (Running())
            EndGame(0);
        RecordGameResult(CurrentPlayerSlot(), 0);
        Saved.Remove();
        return false;
    }
    // The game counts for the player it was dealt for, while that player exists, and for
    // nobody when that player has been deleted.
    const bool playerExists = game->Player != 0 && !Registry.GetPlayerName(game->Player).empty();
    if (playerExists && CurrentPlayerSlot() != game->Player)
        Registry.SetCurPlayerInx(std::to_string(game->Player));
    DealGame(game->GameNo, game->Rules);
    GamePlayer = playerExists ? game->Player : 0;
    GivenUp = game->GivenUp;
    GivenUpGoalCards = game->GivenUpGoalCards;
    // Every logged move is made again as the rules allow it, then taken back to where the
    // game stood; the first move they refuse ends the log there.
    Trans.Restore(game->Log);
    std::int16_t made = 0;
    while (made < Trans.LastIndex() && RedoChecked(static_cast<std::int16_t>(made + 1)))
        ++made;
    if (made < Trans.LastIndex())
        fault = "move " + std::to_string(made + 1) + " is not allowed there";
    Trans.Truncate(made);
    while (Trans.GetTransID() > std::min(game->Current, made))
        Undo(0);
    Phase = State::Playing;
    GameClock.Start(game->Seconds);
    if (!fault.empty()) {
        EndGame(0);
        return false;
    }
    UnsavedFrom = 0;
    SaveRunningGame();
    CheckWin();
    return true;
}

void Game::GiveUp() {
    if (!Running() || GivenUp)
        return;
    GivenUp = true;
    GivenUpGoalCards = Array.TotalGoalCards();
    if (KeepRunningGame)
        Saved.MarkGivenUp(GivenUpGoalCards);
}

void Game::AbandonSavedGame() {
    std::string fault;
    if (ResumeSavedGame(fault))
        EndGame(0);
}

// ---- a move: checked, booked, logged, shown, then the cascade, the win and the kept game ----

bool Game::Book(std::int16_t picId, std::int16_t dCell, std::int16_t dPile, std::int16_t dPos, std::int16_t mCards,
                std::int32_t tMod, std::int16_t speed, std::int32_t dFace) {
    if (!Array.CanMove(picId, dCell, dPile, dPos, mCards))
        return false;
    if (tMod == kPlayMove) {
        // The log records the source place before the card leaves it.
        const cCard &card = Card(picId);
        if (!Trans.SaveTrans({picId, card.Cell, card.Pile, card.Pos, dCell, dPile, dPos, mCards, tMod}))
            return false;
        LogChangedFrom(Trans.GetTransID());
    }
    std::array<bool, cArray::kPositions> turned{};
    Array.MoveCard(picId, dCell, dPile, dPos, mCards, tMod, dFace, turned);
    for (std::int16_t i = 0; i <= mCards; ++i) {
        const std::int16_t pos = static_cast<std::int16_t>(dPos + i);
        const std::int16_t id = Array.GetPicID(dCell, dPile, pos);
        View.TravelCard(id, Games.GetCordX(dCell, dPile, pos), Games.GetCordY(dCell, dPile, pos), speed, tMod);
        if (turned[static_cast<std::size_t>(i)])
            View.CardChanged(id, Card(id));
    }
    return true;
}

void Game::Settle() {
    CheckWin();
    SaveRunningGame();
}

bool Game::PlayMove(std::int16_t picId, PileRef target) {
    std::int16_t dPos, mCards;
    if (!RuledMove(picId, target, dPos, mCards))
        return false;
    View.PlaySound("CardUp");
    // The dragged card is already where it lands: it jumps.
    if (!Book(picId, target.Cell, target.Pile, dPos, mCards, kPlayMove, 0))
        return false;
    Cascade();
    Settle();
    return true;
}

int Game::Cascade() {
    if (Registry.Autoplay() == 0)
        return 0;
    // Depth first: each card that goes up starts the next scan from the table it leaves.
    int sent = 0, from, goal;
    while (NextAutoplay(BoardPosition(), from, goal) &&
           SendToGoal(Array.GetTopPicID(AreaOf(from), AreaPile(from)), goal))
        ++sent;
    return sent;
}

bool Game::SendToGoal(std::int16_t picId, int goal) {
    View.PlaySound("AutoPlay");
    const std::int16_t pile = AreaPile(goal);
    return Book(picId, kGoal, pile, static_cast<std::int16_t>(Array.GetTop(kGoal, pile) + 1), 0, kPlayMove,
                Registry.CardSpeed());
}

void Game::AutoplayAll() {
    if (Cascade() > 0)
        Settle();
}

bool Game::AutoplayCard(std::int16_t picId) {
    if (picId < 0 || picId >= kTotalCards)
        return false;
    // The first goal pile that takes the card; a full one takes nothing.
    const int goal = GoalTarget(BoardPosition(), CardValue(picId), PositionPile(picId));
    if (goal < 0)
        return false;
    if (SendToGoal(picId, goal)) {
        Cascade();
        Settle();
    }
    return true;
}

bool Game::ToggleAutoplay() {
    if (Registry.Autoplay() != 1) {
        Registry.SetAutoplay(1);
        AutoplayAll();
        return true;
    }
    Registry.SetAutoplay(0);
    return false;
}

void Game::Step(const TransRecord &r, bool back, std::int16_t speed) {
    if (speed > 3)
        View.PlaySound(back ? "Undo" : "Redo");
    const bool booked = back ? Book(r.PicID, r.SCell, r.SPile, r.SPos, r.mCards, kUndoRedo, speed)
                             : Book(r.PicID, r.DCell, r.DPile, r.DPos, r.mCards, kUndoRedo, speed);
    if (booked)
        CheckWin();
    SaveRunningGame();
}

bool Game::Undo(std::int16_t speed) {
    const TransRecord *r = Trans.StepBack();
    if (!r)
        return false;
    Step(*r, true, speed);
    return true;
}

bool Game::Redo(std::int16_t speed) {
    const TransRecord *r = Trans.StepForward();
    if (!r)
        return false;
    Step(*r, false, speed);
    return true;
}

void Game::UndoAll(std::int16_t speed) {
    cRegistry::Update update(Registry);
    while (Undo(speed)) {
    }
}

void Game::RedoAll(std::int16_t speed) {
    cRegistry::Update update(Registry);
    while (Redo(speed)) {
    }
}

// ---- players and score ----

void Game::DeletePlayer(std::int16_t slot) {
    cRegistry::Update update(Registry);
    Players.Delete(slot);
    // The deleted player's game is nobody's: not the next player's, nor a new player's who
    // takes the slot, also after a kill.
    if (Running() && GamePlayer == slot) {
        GamePlayer = 0;
        UnsavedFrom = 0;
        SaveRunningGame();
    }
}

void Game::RecordGameResult(std::int16_t slot, std::int16_t result, std::int16_t score) {
    Players.Record(slot, result, result == 1 ? score : GameScore(), Trans.GetTransID());
}

std::int16_t Game::GameScore() const {
    if (!Running())
        return 0;
    const std::int16_t home = Array.TotalGoalCards();
    return cGameClock::Score(GivenUp ? std::min(home, GivenUpGoalCards) : home, ElapsedSeconds());
}

} // namespace tabloo
