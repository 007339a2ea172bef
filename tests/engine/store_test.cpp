// The settings store, the player records, the clock and the score.
#include "NumText.h"
#include "TestGame.h"

namespace tabloo::test {
namespace {

TEST(Store, DefaultsStoredTextsAndTextThatIsNoNumberOfTheWidth) {
    cMemorySettings s;
    cRegistry r(s);
    EXPECT_EQ(r.HomePiles(), 8);
    EXPECT_EQ(r.GetPlayerName(5), "");
    EXPECT_EQ(s.Writes, 0) << "reading a default writes nothing";
    // Numbers are stored as their decimal text, under the slot's number for a player.
    r.SetPlayerScore(10, -35);
    r.SetSoundWin(-1);
    std::string score, sound;
    EXPECT_TRUE(s.Read("Tabloo", "Players", "10PlayerScore", score) && s.Read("Tabloo", "Data", "SoundWin", sound));
    EXPECT_EQ(score + " " + sound, "-35 -1");
    // Text that is no number of the field's width reads as the default.
    for (const char *bad :
         {"abc", "", " 5", "5 ", "1.5", "0x10", "32768", "-32769", "--1", "+", "99999999999999999999"}) {
        s.Write("Tabloo", "Data", "CardSpeed", bad);
        EXPECT_EQ(r.CardSpeed(), 5) << "'" << bad << "'";
    }
    s.Write("Tabloo", "Data", "CardSpeed", "-32768");
    EXPECT_EQ(r.CardSpeed(), -32768);
    s.Write("Tabloo", "Data", "CardSpeed", "+007");
    EXPECT_EQ(r.CardSpeed(), 7);
    // Score and moves are 32-bit, the other player fields 16-bit.
    s.Write("Tabloo", "Players", "2PlayerScore", "2147483647");
    EXPECT_EQ(r.GetPlayerScore(2), std::numeric_limits<std::int32_t>::max());
    s.Write("Tabloo", "Players", "2PlayerScore", "2147483648");
    EXPECT_EQ(r.GetPlayerScore(2), 0);
    s.Write("Tabloo", "Players", "2PlayerGames", "40000");
    EXPECT_EQ(r.GetPlayerGames(2), 0);
}

TEST(Players, AHugeNameReadsAsItsStartInWholeCharacters) {
    TestGame t;
    std::string huge;
    while (huge.size() < 2'500'000)
        huge += "Zoë<";
    t.Store.SetPlayerName(1, huge);
    const std::string name = t.Store.GetPlayerName(1);
    EXPECT_LE(name.size(), cRegistry::kLongestName);
    EXPECT_GE(name.size(), cRegistry::kLongestName - 3);
    EXPECT_EQ(huge.compare(0, name.size(), name), 0);
    EXPECT_NE(static_cast<unsigned char>(huge[name.size()]) & 0xC0, 0x80) << "cut between characters";
    EXPECT_LT(t.TheGame.Title().size(), 300u);
    t.Store.SetPlayerName(2, "Ann");
    EXPECT_EQ(t.Store.GetPlayerName(2), "Ann");
}

TEST(Players, FirstPlayerAndTheCurrentSlot) {
    TestGame t; // makes sure a first player exists
    EXPECT_EQ(t.Store.GetPlayerName(1), "Player 1");
    EXPECT_EQ(t.Store.GetPlayerUID(1), 100);
    EXPECT_EQ(t.TheGame.CountPlayers(), 1);
    EXPECT_EQ(t.TheGame.CurrentPlayerName(), "Player 1");
    std::string text;
    EXPECT_FALSE(t.Settings.Read("Tabloo", "Data", "CurPlayerInx", text));

    // A start with only slot 4 used leaves the store as it is.
    TestGame u;
    cRegistry(u.TheGame.Settings).SetPlayerName(1, "");
    cRegistry(u.TheGame.Settings).SetPlayerName(4, "Ann");
    const long writes = u.Settings.Writes;
    u.TheGame.EnsureFirstPlayer();
    EXPECT_EQ(u.Settings.Writes, writes);
    // CurPlayerInx "1" names a free slot: the lowest used slot counts, nothing is written.
    EXPECT_EQ(u.TheGame.CurrentPlayerSlot(), 4);
    EXPECT_EQ(u.TheGame.CurrentPlayerName(), "Ann");
    cRegistry(u.TheGame.Settings).SetPlayerName(9, "Bob");
    for (const char *inx : {"0", "11", "x", "", "-3"}) {
        cRegistry(u.TheGame.Settings).SetCurPlayerInx(inx);
        EXPECT_EQ(u.TheGame.CurrentPlayerSlot(), 4) << inx;
    }
    cRegistry(u.TheGame.Settings).SetCurPlayerInx("9");
    EXPECT_EQ(u.TheGame.CurrentPlayerSlot(), 9);
    u.TheGame.StartGame(3.0);
    EXPECT_EQ(u.View.Title, "Tabloo 3.0 [Bob] [3]");
}

TEST(Players, NewPlayerIdIsDrawnAgainUntilNoSlotHoldsIt) {
    TestGame t;
    t.Store.SetPlayerUID(6, 5001); // a deleted player's slot keeps its id
    // 0.5 gives 5001 (taken), 0.0 gives 1, 0.9999 gives 10000.
    t.Random.Values = {0.5, 0.5, 0.0};
    t.TheGame.CreatePlayer(2, "Cleo");
    EXPECT_EQ(t.Store.GetPlayerUID(2), 1);
    EXPECT_EQ(t.Store.GetPlayerName(2), "Cleo");
    EXPECT_EQ(t.Random.Seeds, 3);
    t.Random.Values = {0.99999};
    t.Random.Next = 0;
    t.TheGame.CreatePlayer(3, "Dan");
    EXPECT_EQ(t.Store.GetPlayerUID(3), 10000);
}

TEST(Players, GameResultsAddUpAsScoredAndStopAtTheEdgeOfTheirWidth) {
    TestGame t;
    t.Set("Autoplay", "0");
    // A game won after 90 s with 120 moves; the summary showed 490.
    t.TheGame.StartGame(1.0);
    t.TheGame.EndGame(1, 490);
    EXPECT_EQ(Record(t.Store, 1), "games 1 won 1 score 490 moves 0");
    // Abandoned after 600 s with nothing home: -200.
    t.TheGame.StartGame(2.0);
    t.Clock.Now += 600;
    t.TheGame.StartGame(3.0);
    EXPECT_EQ(Record(t.Store, 1), "games 2 won 1 score 290 moves 0");
    // Moves count the log's moves in force.
    t.TheGame.StartGame(std::string_view("123"));
    ASSERT_TRUE(t.Move(kHome, 7, t.TheGame.TopPos(kHome, 7), kReserve, 0));
    ASSERT_TRUE(t.Move(kHome, 6, t.TheGame.TopPos(kHome, 6), kReserve, 1));
    ASSERT_TRUE(t.TheGame.Undo(0));
    t.TheGame.EndGame(0);
    // Closing with no game running records nothing more.
    EXPECT_EQ(Record(t.Store, 1), "games 4 won 1 score 290 moves 1");

    t.Store.SetPlayerGames(1, 32767);
    t.Store.SetPlayerWin(1, 32767);
    t.Store.SetPlayerScore(1, std::numeric_limits<std::int32_t>::max() - 5);
    t.Store.SetPlayerMoves(1, std::numeric_limits<std::int32_t>::max());
    t.TheGame.StartGame(4.0);
    ASSERT_TRUE(t.Move(kHome, 0, t.TheGame.TopPos(kHome, 0), kReserve, 0));
    t.TheGame.EndGame(1, 520);
    EXPECT_EQ(Record(t.Store, 1), "games 32767 won 32767 score 2147483647 moves 2147483647");
    t.Store.SetPlayerScore(1, std::numeric_limits<std::int32_t>::min() + 10);
    t.TheGame.StartGame(4.0);
    t.Clock.Now += 3000;
    t.TheGame.EndGame(0);
    EXPECT_EQ(t.Store.GetPlayerScore(1), std::numeric_limits<std::int32_t>::min());
}

TEST(Clock, ElapsedTimeItsTextAndTheScore) {
    for (auto [seconds, text] : {std::pair{3725, "1:02:05"},
                                 {3599, "0:59:59"},
                                 {3600, "1:00:00"},
                                 {90000, "25:00:00"},
                                 {-5, "0:00:00"},
                                 {std::numeric_limits<std::int32_t>::max(), "596523:14:07"}})
        EXPECT_EQ(Game::FormatElapsed(seconds), text);

    TestGame t;
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 0) << "no game, no time";
    t.TheGame.StartGame(1.0);
    t.Clock.Now += 150;
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 150);
    // A clock set back counts as no time at all.
    t.Clock.Now -= 1000;
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 0);
    t.TheGame.EndGame(0);
    t.Clock.Now += 5000;
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 0);

    // The score: ten a goal card, less a point every three seconds.
    std::int64_t start = 0;
    auto score = [&](int seconds, const std::map<std::pair<int, int>, std::string> &goals) {
        t.Arrange(8, 4, goals);
        start = t.Clock.Now;
        t.Clock.Now += seconds;
        return t.TheGame.GameScore();
    };
    EXPECT_EQ(score(45, {{{kGoal, 0}, "AH 2H 3H"}}), 15);
    EXPECT_EQ(score(600, {}), -200);
    // Halves round to even: 520 - 3.5 -> 516, 520 - 4.5 -> 516.
    std::map<std::pair<int, int>, std::string> all;
    for (int suit = 0; suit < 4; ++suit)
        for (const char *rank : {"A", "2", "3", "4", "5", "6", "7", "8", "9", "T", "J", "Q", "K"})
            all[{kGoal, suit}] += std::string(rank) + "HSDC"[suit] + " ";
    EXPECT_EQ(score(90, all), 490);
    t.Clock.Now = start + 10;
    EXPECT_EQ(t.TheGame.GameScore(), 517);
    t.Clock.Now = start + 12;
    EXPECT_EQ(t.TheGame.GameScore(), 516);
    // After a day and more the score stops at the edge of 16 bits.
    t.Clock.Now = start + 200000;
    EXPECT_EQ(t.TheGame.GameScore(), -32768);
    t.TheGame.EndGame(0);
    EXPECT_EQ(t.TheGame.GameScore(), 0);
}

TEST(Numbers, GameNumbersAndRounding) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    for (const char *good : {"0", "999999999999999", "12.5"})
        EXPECT_TRUE(ParseGameNo(good)) << good;
    EXPECT_EQ(ParseGameNo("+5"), 5.0) << "the choose-game dialog and the tool take the same texts";
    for (const char *bad : {"1000000000000000", "-1", "+", "++1", "+-1", "abc", "1e5", "12.", ".5", "", " 1", "1 ",
                            "0x1f", "999999999999999.5"})
        EXPECT_FALSE(ParseGameNo(bad)) << bad;
    EXPECT_EQ(FormatGameNo(123456789.0), "123456789");
    TestGame t;
    // The source's fractions run from 0 up to the last double below 1.
    t.Random.Values = {0.0, std::nextafter(1.0, 0.0)};
    EXPECT_EQ(t.TheGame.RandomGameNo(), 0.0);
    EXPECT_EQ(t.TheGame.RandomGameNo(), kMaxGameNo);
}

} // namespace
} // namespace tabloo::test
