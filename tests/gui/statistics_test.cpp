// The statistics dialog: totals over players in use, 64-bit, averages rounded down, a row each.
#include "WindowFixture.h"

using namespace tabloo;

namespace {

QStringList Lines(const frmStatistics &d) {
    QStringList lines;
    const auto *list = d.findChild<QListWidget *>(QStringLiteral("LVGen"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QString Label(const frmStatistics &d, const char *name) {
    return d.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

void SetRecord(Game &g, std::int16_t slot, std::int64_t games, std::int64_t wins, std::int64_t score,
               std::int64_t moves) {
    cRegistry(g.Settings).SetPlayerGames(slot, games);
    cRegistry(g.Settings).SetPlayerWin(slot, wins);
    cRegistry(g.Settings).SetPlayerScore(slot, score);
    cRegistry(g.Settings).SetPlayerMoves(slot, moves);
}

} // namespace

TEST(Statistics, TotalsAndAveragesRoundDownAndTheGameOnTheBoardIsGreyedWhenNoneRuns) {
    test::TestGame t;
    // Three games of 490, 30 and -200.
    SetRecord(t.TheGame, 1, 3, 2, 490 + 30 - 200, 250);
    frmStatistics d(t.TheGame);
    EXPECT_EQ(Lines(d), QStringList({"Games Played : 3", "Games Won : 2", "Games Lost : 1", "Total Score : 320",
                                     "Total Moves : 250", "Average Score : 106", "Average Moves : 83"}));
    for (auto [name, text] : {std::pair{"lblPlayer", "Current Player : Player 1"}, std::pair{"lblTotal", "Total : 3"},
                              std::pair{"lblWon", "Won : 2"}, std::pair{"lblLost", "Lost : 1"}})
        EXPECT_EQ(Label(d, name), QString::fromLatin1(text)) << name;
    // With no game on the board its frame is greyed, but shown.
    auto *frame = d.findChild<QGroupBox *>(QStringLiteral("frameGame"));
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_FALSE(frame->isHidden());
    EXPECT_FALSE(d.findChild<QLabel *>(QStringLiteral("lblScore"))->isEnabled());
    EXPECT_EQ(Label(d, "lblScore"), QStringLiteral("Score : 0"));

    SetRecord(t.TheGame, 1, 2, 0, -5, 0);
    EXPECT_EQ(Lines(frmStatistics(t.TheGame))[5], QStringLiteral("Average Score : -3"));
    // No games: the totals stand for themselves.
    SetRecord(t.TheGame, 1, 0, 0, 7, 9);
    EXPECT_EQ(Lines(frmStatistics(t.TheGame)).mid(5), QStringList({"Average Score : 7", "Average Moves : 9"}));

    // A game on the board shows its score and moves.
    t.TheGame.StartGame(std::string_view("123"));
    frmStatistics running(t.TheGame);
    EXPECT_TRUE(running.findChild<QGroupBox *>(QStringLiteral("frameGame"))->isEnabled());
    EXPECT_EQ(Label(running, "lblScore"), QStringLiteral("Score : ") + QString::number(t.TheGame.GameScore()));
    EXPECT_EQ(Label(running, "lblMoves"), QStringLiteral("Moves : ") + QString::number(t.TheGame.MovesInForce()));
}

TEST(Statistics, OnlyPlayersInUseCountTotalsPass32BitsAndEachPlayerHasARow) {
    test::TestGame t;
    t.Random.Values = {0.1, 0.2, 0.3};
    for (std::int16_t slot : {2, 3, 4})
        t.TheGame.CreatePlayer(slot, std::string("P").append(std::to_string(slot)));
    for (std::int16_t slot = 1; slot <= 3; ++slot)
        SetRecord(t.TheGame, slot, 10, 4, 2'000'000'000, 2'000'000'000);
    // A deleted player's counts stay in the store but no longer count.
    SetRecord(t.TheGame, 5, 99, 99, 99, 99);
    t.Store.SetCurPlayerInx("2");
    frmStatistics d(t.TheGame);
    const QStringList lines = Lines(d);
    EXPECT_EQ(lines[0], QStringLiteral("Games Played : 30"));
    EXPECT_EQ(lines.mid(3, 3),
              QStringList({"Total Score : 6000000000", "Total Moves : 6000000000", "Average Score : 200000000"}));
    EXPECT_EQ(Label(d, "lblPlayer"), QStringLiteral("Current Player : P2"));
    const auto *list = d.findChild<QTreeWidget *>(QStringLiteral("lvPlayer"));
    ASSERT_EQ(list->topLevelItemCount(), 4);
    auto row = [&](int i) {
        QStringList cells;
        for (int c = 0; c < 6; ++c)
            cells << list->topLevelItem(i)->text(c);
        return cells;
    };
    EXPECT_EQ(row(0), QStringList({"Player 1", "10", "4", "6", "2000000000", "2000000000"}));
    EXPECT_EQ(row(3), QStringList({"P4", "0", "0", "0", "0", "0"})) << "a new player's row is zeros";
}
