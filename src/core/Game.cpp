#include "Game.h"

#include "NumText.h"

namespace tabloo {

Game::Game(ISettingsBackend &settings, IClock &clock, IRandomSource &random, ITableView &view)
    : Settings(settings), Clock(clock), Random(random), View(view), Registry(settings), Array(*this), Trans(*this) {}

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

double Game::RandomGameNo() {
    Random.SeedFromClock();
    double r = Random.NextFraction();
    double v = RoundHalfEven(r * kMaxGameNo);
    return v > kMaxGameNo ? kMaxGameNo : v;
}

void Game::StartGame(double gameNo) { StartGame(FormatGameNo(gameNo)); }

void Game::StartGame(std::string_view gameNo) {
    if (GameRunning)
        EndGame(0);
    CurrentGameNo = std::string(gameNo);
    WinPending = false;
    SetTitle();

    Games.FillFromRules(ReadGameRules());
    LoadBoard();

    // Identities from the shuffle, then a new log.
    Array.Init(GameNoValue(CurrentGameNo));
    for (std::int16_t id = 0; id < kTotalCards; ++id) {
        std::int16_t v = Array.GetRandom(id);
        Cards[id].SetValue(static_cast<std::int16_t>((v % 52) / 13), static_cast<std::int16_t>(v % 13),
                           static_cast<std::int16_t>(v / 13));
        View.CardChanged(id);
        View.BringCardToFront(id);
    }
    Trans.Reset();

    DealBoard();
    AutoplayAll();
    GameRunning = true;
    GameStartTime = Clock.NowSeconds();
    // A deal whose first autoplay already sent every card home is a won game too.
    CheckWin();
}

void Game::LoadBoard() {
    for (cCard &card : Cards)
        card = cCard{};
    View.LoadControls(Games.Piles(kHome), Games.Piles(kReserve));
}

void Game::DealBoard() {
    const std::int16_t resPiles = Games.Piles(kReserve), homePiles = Games.Piles(kHome);
    for (std::int16_t p = 0; p < resPiles; ++p)
        View.PlaceMarker(kReserve, p, Games.GetCordX(kReserve, p, 0), Games.GetCordY(kReserve, p, 0), 14);
    for (std::int16_t p = 0; p < homePiles; ++p)
        View.PlaceMarker(kHome, p, Games.GetCordX(kHome, p, 0), Games.GetCordY(kHome, p, 0), 14);

    // The goal base: a rank, or one drawn right after the shuffle.
    std::int16_t base = Games.GoalBase();
    if (base == kRandomBase)
        base = static_cast<std::int16_t>(static_cast<double>(Array.NextDraw()) * 13.0);
    GoalBaseRank = base;

    // Goal pile k receives the base card of suit pile k, for the first GoalCards piles.
    const std::int16_t goalCards = Games.Cards(kGoal);
    if (goalCards > 0)
        for (std::int16_t id = 0; id < kTotalCards; ++id)
            if (Cards[id].Num == base && Cards[id].Suitpile < goalCards)
                Array.MoveCard(id, kGoal, Cards[id].Suitpile, 0, kDealMove, 0, 0, 0);

    for (std::int16_t p = 0; p < kGoalPiles; ++p)
        View.PlaceMarker(kGoal, p, Games.GetCordX(kGoal, p, 0), Games.GetCordY(kGoal, p, 0), base);

    // Everything else goes face down onto the deck spot, lowest card first.
    for (std::int16_t id = 0; id < kTotalCards; ++id)
        if (Cards[id].Cell != kGoal)
            Array.MoveCard(id, kDeck, 0, static_cast<std::int16_t>(Array.GetTop(kDeck, 0) + 1), kDealMove, 0, 0, 1);

    // From the top of the deck round the reserve piles, then round the home piles.
    const std::int16_t resCards = Games.Cards(kReserve);
    for (std::int16_t i = 0; i < resCards && resPiles > 0; ++i)
        Array.MoveCard(Array.GetTopPicID(kDeck, 0), kReserve, static_cast<std::int16_t>(i % resPiles),
                       static_cast<std::int16_t>(i / resPiles), kDealMove, 5, 0, 0);
    View.PlaySound("Start");
    const std::int16_t homeCards = Games.Cards(kHome);
    for (std::int16_t i = 0; i < homeCards; ++i)
        Array.MoveCard(Array.GetTopPicID(kDeck, 0), kHome, static_cast<std::int16_t>(i % homePiles),
                       static_cast<std::int16_t>(i / homePiles), kDealMove, 5, 0, 0);
}

void Game::EndGame(std::int16_t result, std::int16_t score) {
    RecordGameResult(result, score);
    GameRunning = false;
    WinPending = false;
    Trans.Reset();
    ClearBoard();
}

void Game::ClearBoard() {
    for (cCard &card : Cards)
        card = cCard{};
    // The board is down: the table is empty too, so nothing can act on the last game's
    // cards (autoplay switched on between games finds nothing to play).
    Array.Clear();
    View.ClearBoard();
}

void Game::CheckWin() {
    // Judged after every move: an undo that takes a goal card back takes the win back too,
    // and the redo that makes it again wins again.
    if (!GameRunning || Array.TotalGoalCards() != kTotalCards) {
        WinPending = false;
        return;
    }
    if (WinPending)
        return;
    WinPending = true;
    View.GameWon();
}

} // namespace tabloo
