// The players dialog: at most ten players, names compared exactly, the lowest free slot
// for a new player, renames free of checks, the last player kept, and a deleted current
// player replaced by the lowest slot still in use.
#include "TestGame.h"
#include "frmPlayers.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tabloo;

namespace {

// A table whose new players get distinct ids, and the dialog over it with scripted
// answers and recorded messages and questions.
struct PlayersTable : test::TestGame {
    PlayersTable() {
        for (int i = 1; i <= 40; ++i)
            Random.Values.push_back(i / 41.0);
    }
};

struct PlayersDialog {
    frmPlayers Dialog;
    std::vector<QString> Said, Asked;
    QString Answer;
    bool Ok = true, Yes = true;
    QTreeWidget *List;
    explicit PlayersDialog(Game &game) : Dialog(game) {
        Dialog.ShowMessage = [this](const QString &title, const QString &text) {
            EXPECT_EQ(title, QStringLiteral("Tabloo"));
            Said.push_back(text);
        };
        Dialog.AskText = [this](const QString &, const QString &prompt, const QString &, bool *ok) {
            Asked.push_back(prompt);
            *ok = Ok;
            return Answer;
        };
        Dialog.AskYesNo = [this](const QString &, const QString &text) {
            Asked.push_back(text);
            return Yes;
        };
        List = Dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    }
    void Click(const char *name) { Dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click(); }
    void Add(const QString &name) {
        Answer = name;
        Click("cmdAdd");
    }
    void Select(int row) { List->setCurrentItem(List->topLevelItem(row)); }
    QString Row(int row, int column = 0) const { return List->topLevelItem(row)->text(column); }
};

} // namespace

TEST(Players, TenAtMostAndNoQuestionWhenFull) {
    PlayersTable t;
    for (std::int16_t slot = 2; slot <= 10; ++slot)
        t.G.CreatePlayer(slot, std::string("P").append(std::to_string(slot)));
    PlayersDialog d(t.G);
    EXPECT_EQ(d.List->topLevelItemCount(), 10);
    d.Add(QStringLiteral("Eleven"));
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("Maximum 10 Players Only!")});
    EXPECT_TRUE(d.Asked.empty());
    EXPECT_EQ(t.G.CountPlayers(), 10);
}

TEST(Players, NewNamesAreComparedExactlyAndTakeTheLowestFreeSlot) {
    PlayersTable t;
    t.G.CreatePlayer(3, "Three");
    PlayersDialog d(t.G);
    for (const char *refused : {"Player 1", "", "   "}) {
        d.Add(QString::fromLatin1(refused));
        EXPECT_EQ(t.G.CountPlayers(), 2) << refused;
    }
    d.Ok = false;
    d.Add(QStringLiteral("Cancelled"));
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("Player Exists !")});
    EXPECT_EQ(d.Asked.front(), QStringLiteral("Enter Player Name :"));

    d.Ok = true;
    d.Add(QStringLiteral("player 1"));
    EXPECT_EQ(t.G.Registry.GetPlayerName(2), "player 1");
    // The list marks the current player again, not the new one.
    EXPECT_EQ(d.Dialog.SelectedSlot(), 1);
    ASSERT_EQ(d.List->topLevelItemCount(), 3);
    EXPECT_EQ(d.Row(1), QStringLiteral("player 1"));
    EXPECT_EQ(d.Row(1, 1), QString::number(t.G.Registry.GetPlayerUID(2)));
    EXPECT_NE(t.G.Registry.GetPlayerUID(2), t.G.Registry.GetPlayerUID(1));
}

TEST(Players, RenameKeepsIdAndCountsAndMayRepeatAName) {
    PlayersTable t;
    t.G.CreatePlayer(2, "Bob");
    t.G.Registry.SetPlayerGames(2, 7);
    const auto uid = t.G.Registry.GetPlayerUID(2);
    PlayersDialog d(t.G);
    d.Select(1);
    d.Answer = QStringLiteral("   ");
    d.Click("cmdEdit");
    EXPECT_EQ(t.G.Registry.GetPlayerName(2), "Bob");
    d.Answer = QStringLiteral("Player 1");
    d.Click("cmdEdit");
    EXPECT_TRUE(d.Said.empty());
    EXPECT_EQ(t.G.Registry.GetPlayerName(2), "Player 1");
    EXPECT_EQ(t.G.Registry.GetPlayerUID(2), uid);
    EXPECT_EQ(t.G.Registry.GetPlayerGames(2), 7);
    EXPECT_EQ(d.Row(1), QStringLiteral("Player 1"));
}

TEST(Players, TheLastPlayerStaysAndNoMeansNo) {
    PlayersTable t;
    PlayersDialog d(t.G);
    d.Click("cmdDelete");
    EXPECT_EQ(d.Said, std::vector<QString>{QStringLiteral("First Player Cannot be deleted")});
    EXPECT_TRUE(d.Asked.empty());

    t.G.CreatePlayer(2, "Bob");
    PlayersDialog again(t.G);
    again.Select(1);
    again.Yes = false;
    again.Click("cmdDelete");
    EXPECT_EQ(again.Asked, std::vector<QString>{QStringLiteral("Are you sure you want to delete this player")});
    EXPECT_EQ(t.G.CountPlayers(), 2);
    EXPECT_EQ(again.List->topLevelItemCount(), 2);
}

TEST(Players, DeletingTheCurrentPlayerMakesTheLowestUsedSlotCurrent) {
    struct Case {
        std::vector<std::int16_t> Used;
        std::int16_t Current, Deleted, Expected;
    };
    for (const Case &c : {Case{{1, 3, 5}, 3, 3, 1}, Case{{1, 3, 5}, 1, 1, 3}, Case{{1, 3, 5}, 5, 3, 5}}) {
        PlayersTable t;
        for (std::int16_t slot : c.Used)
            if (slot != 1)
                t.G.CreatePlayer(slot, std::string("P").append(std::to_string(slot)));
        t.G.Registry.SetCurPlayerInx(std::to_string(c.Current));
        PlayersDialog d(t.G);
        EXPECT_EQ(d.Dialog.SelectedSlot(), c.Current);
        for (int row = 0; row < d.List->topLevelItemCount(); ++row)
            if (d.List->topLevelItem(row)->data(0, Qt::UserRole).toInt() == c.Deleted)
                d.Select(row);
        const auto uid = t.G.Registry.GetPlayerUID(c.Deleted);
        d.Click("cmdDelete");
        EXPECT_EQ(t.G.Registry.CurPlayerInx(), std::to_string(c.Expected));
        EXPECT_EQ(t.G.Registry.GetPlayerName(c.Deleted), "");
        EXPECT_EQ(t.G.Registry.GetPlayerUID(c.Deleted), uid);
        EXPECT_EQ(d.List->topLevelItemCount(), 2);
        EXPECT_EQ(d.Dialog.SelectedSlot(), c.Expected);
    }
}

TEST(Players, EditAndDeleteNeedASelectedRow) {
    PlayersTable t;
    t.G.CreatePlayer(2, "Bob");
    // A stored number that names no player: the list marks the player the game records for.
    t.G.Registry.SetCurPlayerInx("7");
    PlayersDialog d(t.G);
    auto *edit = d.Dialog.findChild<QPushButton *>(QStringLiteral("cmdEdit"));
    auto *del = d.Dialog.findChild<QPushButton *>(QStringLiteral("cmdDelete"));
    EXPECT_EQ(d.Dialog.SelectedSlot(), 1);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(del->isEnabled());
    d.List->clearSelection();
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(del->isEnabled());
    // Deleting that player puts a player in use into the store.
    d.Select(0);
    d.Click("cmdDelete");
    EXPECT_EQ(t.G.Registry.CurPlayerInx(), "2");
    EXPECT_EQ(d.Dialog.SelectedSlot(), 2);
}
