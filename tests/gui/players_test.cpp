// The players dialog: ten at most, names exact and unique, lowest free slot, the last player kept.
#include "WindowFixture.h"

using namespace tabloo;

namespace {

// A table whose new players get distinct ids, with players in the given slots besides 1.
struct PlayersTable : test::TestGame {
    explicit PlayersTable(std::vector<std::int16_t> used = {}) {
        for (int i = 1; i <= 40; ++i)
            Random.Values.push_back(i / 41.0);
        for (std::int16_t slot : used)
            TheGame.CreatePlayer(slot, std::string("P").append(std::to_string(slot)));
    }
};

// The dialog with scripted answers and recorded messages and questions.
struct PlayersDialog {
    frmPlayers Dialog;
    std::vector<QString> Said, Asked;
    QString Answer;
    bool Ok = true, Yes = true;
    QTreeWidget *List = Dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    explicit PlayersDialog(Game &game) : Dialog(game) {
        Dialog.ShowMessage = [this](const QString &, const QString &text) { Said.push_back(text); };
        Dialog.AskText = [this](const QString &, const QString &prompt, const QString &, bool *ok) {
            Asked.push_back(prompt);
            *ok = Ok;
            return Answer;
        };
        Dialog.AskYesNo = [this](const QString &, const QString &text) {
            Asked.push_back(text);
            return Yes;
        };
    }
    QPushButton *Button(const char *name) { return Dialog.findChild<QPushButton *>(QString::fromLatin1(name)); }
    void Click(const char *name, const QString &answer = {}) {
        Answer = answer;
        Button(name)->click();
    }
    void SelectSlot(int slot) {
        for (int row = 0; row < List->topLevelItemCount(); ++row)
            if (List->topLevelItem(row)->data(0, Qt::UserRole).toInt() == slot)
                List->setCurrentItem(List->topLevelItem(row));
    }
    QString Row(int row, int column = 0) const { return List->topLevelItem(row)->text(column); }
};

} // namespace

TEST(Players, NewNamesAreComparedExactlyTakeTheLowestFreeSlotAndStopAtTen) {
    PlayersTable t({3});
    PlayersDialog d(t.TheGame);
    for (const char *refused : {"Player 1", "", "   "})
        d.Click("cmdAdd", QString::fromLatin1(refused));
    d.Ok = false;
    d.Click("cmdAdd", QStringLiteral("Cancelled"));
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("Player Exists !")});
    EXPECT_EQ(t.TheGame.CountPlayers(), 2);

    d.Ok = true;
    d.Click("cmdAdd", QStringLiteral("player 1"));
    EXPECT_EQ(t.Store.GetPlayerName(2), "player 1");
    // The list marks the current player again, not the new one.
    EXPECT_EQ(d.Dialog.SelectedSlot(), 1);
    ASSERT_EQ(d.List->topLevelItemCount(), 3);
    EXPECT_EQ(d.Row(1), QStringLiteral("player 1"));
    EXPECT_EQ(d.Row(1, 1), QString::number(t.Store.GetPlayerUID(2)));
    EXPECT_NE(t.Store.GetPlayerUID(2), t.Store.GetPlayerUID(1));

    // Ten players: a message, and not even the question.
    PlayersTable full({2, 3, 4, 5, 6, 7, 8, 9, 10});
    PlayersDialog f(full.TheGame);
    f.Click("cmdAdd", QStringLiteral("Eleven"));
    EXPECT_EQ(f.Said, std::vector<QString>{QStringLiteral("Maximum 10 Players Only!")});
    EXPECT_TRUE(f.Asked.empty());
    EXPECT_EQ(full.TheGame.CountPlayers(), 10);
}

TEST(Players, RenameKeepsIdAndCountsAndRefusesAnotherPlayersName) {
    PlayersTable t({2});
    t.Store.SetPlayerGames(2, 7);
    const auto uid = t.Store.GetPlayerUID(2);
    PlayersDialog d(t.TheGame);
    d.SelectSlot(2);
    d.Click("cmdEdit", QStringLiteral("   "));
    EXPECT_EQ(t.Store.GetPlayerName(2), "P2");
    // Another player's name, as New refuses it.
    d.Click("cmdEdit", QStringLiteral("Player 1"));
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("Player Exists !")});
    EXPECT_EQ(t.Store.GetPlayerName(2), "P2");
    EXPECT_EQ(d.Row(1), QStringLiteral("P2"));
    // Its own name again, or one differing in case only, is no clash.
    d.SelectSlot(2);
    d.Click("cmdEdit", QStringLiteral("P2"));
    d.SelectSlot(2);
    d.Click("cmdEdit", QStringLiteral("player 1"));
    EXPECT_EQ(d.Said.size(), 1u);
    EXPECT_EQ(t.Store.GetPlayerName(2), "player 1");
    EXPECT_EQ(t.Store.GetPlayerUID(2), uid);
    EXPECT_EQ(t.Store.GetPlayerGames(2), 7);
    EXPECT_EQ(d.Row(1), QStringLiteral("player 1"));
}

TEST(Players, TheLastPlayerStaysNoMeansNoAndEditAndDeleteNeedARow) {
    PlayersTable t;
    PlayersDialog d(t.TheGame);
    d.Click("cmdDelete");
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("First Player Cannot be deleted")});
    EXPECT_TRUE(d.Asked.empty());

    t.TheGame.CreatePlayer(2, "Bob");
    PlayersDialog again(t.TheGame);
    again.SelectSlot(2);
    again.Yes = false;
    again.Click("cmdDelete");
    EXPECT_EQ(again.Asked.size(), 1u);
    EXPECT_EQ(t.TheGame.CountPlayers(), 2);
    EXPECT_EQ(again.List->topLevelItemCount(), 2);
    again.List->clearSelection();
    EXPECT_FALSE(again.Button("cmdEdit")->isEnabled());
    EXPECT_FALSE(again.Button("cmdDelete")->isEnabled());
}

TEST(Players, DeletingTheCurrentPlayerMakesTheLowestUsedSlotCurrent) {
    struct Case {
        std::string Current;
        std::int16_t Deleted, Expected;
    };
    // A stored number that names no player ("7") stands for the player the game records for.
    for (const Case &c : {Case{"3", 3, 1}, Case{"1", 1, 3}, Case{"5", 3, 5}, Case{"7", 1, 3}}) {
        PlayersTable t({3, 5});
        t.Store.SetCurPlayerInx(c.Current);
        PlayersDialog d(t.TheGame);
        EXPECT_EQ(d.Dialog.SelectedSlot(), c.Current == "7" ? 1 : std::stoi(c.Current));
        d.SelectSlot(c.Deleted);
        const auto uid = t.Store.GetPlayerUID(c.Deleted);
        d.Click("cmdDelete");
        EXPECT_EQ(t.Store.CurPlayerInx(), std::to_string(c.Expected)) << c.Current;
        EXPECT_EQ(t.Store.GetPlayerName(c.Deleted), "");
        EXPECT_EQ(t.Store.GetPlayerUID(c.Deleted), uid);
        EXPECT_EQ(d.List->topLevelItemCount(), 2);
        EXPECT_EQ(d.Dialog.SelectedSlot(), c.Expected);
    }
}
