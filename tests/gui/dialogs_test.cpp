// The variant dialog and the end-of-game dialog: what they show, store and deal, and a kill meanwhile.
#include "WindowFixture.h"

using namespace tabloo;

namespace {

// The memory store noting each change as "Section/Key=value" or "-Section", and file swaps.
struct RecordingSettings : cMemorySettings {
    std::vector<std::string> Log;
    std::vector<long> In;
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
        Log.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
        In.push_back(Replacements + 1);
        cMemorySettings::Write(app, section, key, value);
    }
    void RemoveSection(std::string_view app, std::string_view section) override {
        Log.push_back("-" + std::string(section));
        In.push_back(Replacements + 1);
        cMemorySettings::RemoveSection(app, section);
    }
};

struct Table {
    RecordingSettings Settings;
    test::FixedClock Clock;
    cUniformRandom Random;
    test::RecordingView View;
    Game TheGame{Settings, Clock, Random, View};

    void Set(std::string_view pairs) { test::SetAll(cRegistry(TheGame.Settings), pairs); }
};

template <typename T = QComboBox> T *Find(QWidget &dialog, const char *name) {
    T *w = dialog.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The entries of a list joined by '|', as texts or as their number tags.
std::string Items(QComboBox *list, bool tags = false) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << (tags ? list->itemData(i).toString() : list->itemText(i));
    return items.join('|').toStdString();
}

void Choose(QComboBox *list, int tag) {
    const int at = list->findData(tag);
    ASSERT_GE(at, 0) << list->objectName().toStdString() << " has no " << tag;
    list->setCurrentIndex(at);
    emit list->activated(at);
}

} // namespace

TEST(SelectDialog, OpensOnTheStoredChoicesOrElseTheFirstEntryAndFreeCellCountsRefillTheirCards) {
    Table t;
    t.TheGame.EnsureFirstPlayer();
    t.TheGame.CreatePlayer(4, "Ann");
    t.TheGame.CreatePlayer(7, "Bob");
    t.Set("HomePiles=6 ResPiles=3 ResCards=2 HomeOrder=7 GoalOrder=3 GoalBase=13 GoalCards=2 MultiMove=0 HomeAK=1 "
          "CurPlayerInx=7");
    t.Settings.Log.clear(), t.Settings.In.clear();

    frmSelect dlg(t.TheGame, nullptr);
    EXPECT_FALSE(Find<QCheckBox>(dlg, "chkMulti")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(dlg, "chkHomeAK")->isChecked());

    // Name, tags ("" = not checked here), selected tag and selected text.
    for (auto [name, tags, tag, text] : std::vector<std::tuple<const char *, const char *, int, const char *>>{
             {"imcHomePiles", "4|5|6|7|8|9|10", 6, "6"},
             {"imcHorder", "", 7, "Up or Down Same Suit"},
             {"imcGorder", "0|1|2|3|4|5", 3, "Down Same Suit"},
             {"imcGoalBase", "", 13, "Random"},
             {"imcGoalCards", "", 2, "2"},
             {"imcResPiles", "0|1|2|3|4", 3, "3"},
             {"imcResCards", "0|1|2|3", 2, "2"},
             {"imcPlayer", "1|4|7", 7, "Bob"}}) {
        if (*tags) {
            EXPECT_EQ(Items(Find(dlg, name), true), tags) << name;
        }
        EXPECT_EQ(Find(dlg, name)->currentData().toInt(), tag) << name;
        EXPECT_EQ(Find(dlg, name)->currentText(), text) << name;
    }
    EXPECT_EQ(Items(Find(dlg, "imcPlayer")), "Player 1|Ann|Bob") << "the used slots only, in slot order";
    EXPECT_EQ(dlg.PlayerNumber(), 7);
    EXPECT_TRUE(t.Settings.Log.empty()) << "opening stores nothing";

    // A new count of free cells refills their cards' list from "0", even the same count again.
    QComboBox *resPiles = Find(dlg, "imcResPiles"), *resCards = Find(dlg, "imcResCards");
    Choose(resPiles, 2);
    EXPECT_EQ(Items(resCards), "0|1|2");
    EXPECT_EQ(Items(resCards, true), "0|1|2");
    EXPECT_EQ(resCards->currentText(), "0");
    Choose(resCards, 2);
    Choose(resPiles, 2);
    EXPECT_EQ(Items(resCards), "0|1|2");
    EXPECT_EQ(resCards->currentText(), "0");
    Choose(resPiles, 0);
    EXPECT_EQ(Items(resCards), "0");

    // A stored value without an entry chooses the first entry.
    t.Set("GoalOrder=7 HomePiles=12 GoalBase=-1 ResPiles=2 ResCards=4 CurPlayerInx=5"); // slot 5 is free
    frmSelect first(t.TheGame, nullptr);
    for (auto [name, text] :
         {std::pair{"imcGorder", "Up Same Suit"}, std::pair{"imcHomePiles", "4"}, std::pair{"imcGoalBase", "Ace"},
          std::pair{"imcResCards", "0"}, std::pair{"imcPlayer", "Player 1"}}) {
        EXPECT_EQ(Find(first, name)->currentIndex(), 0) << name;
        EXPECT_EQ(Find(first, name)->currentText(), text) << name;
    }
    EXPECT_EQ(first.PlayerNumber(), 1);
    // A hand-edited number that is no number names no slot, here as everywhere else.
    t.Set("CurPlayerInx=3x");
    frmSelect edited(t.TheGame, nullptr);
    EXPECT_EQ(Find(edited, "imcPlayer")->currentText(), QString::fromStdString(t.TheGame.CurrentPlayerName()));
    EXPECT_EQ(edited.PlayerNumber(), t.TheGame.CurrentPlayerSlot());
}

TEST(SelectDialog, OnlyPlayStoresTheChoicesInOrderAndDealsThem) {
    Table t;
    t.TheGame.EnsureFirstPlayer();
    t.TheGame.CreatePlayer(4, "Ann");
    // Closed by the close box or rejected, the dialog stores nothing and starts nothing.
    t.Settings.Log.clear(), t.Settings.In.clear();
    for (bool viaCloseBox : {true, false}) {
        frmSelect dlg(t.TheGame, nullptr);
        dlg.show();
        Choose(Find(dlg, "imcHomePiles"), 10);
        Choose(Find(dlg, "imcGoalBase"), 5);
        Find<QCheckBox>(dlg, "chkHomeAK")->setChecked(true);
        if (viaCloseBox)
            EXPECT_TRUE(dlg.close());
        else
            dlg.reject();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(t.Settings.Log.empty());
    EXPECT_FALSE(t.TheGame.Running());
    EXPECT_TRUE(t.TheGame.GameNo().empty());
    EXPECT_EQ(cRegistry(t.TheGame.Settings).HomePiles(), 8);

    frmSelect dlg(t.TheGame, nullptr);
    dlg.show();
    for (auto [name, tag] : {std::pair{"imcHomePiles", 5}, std::pair{"imcResPiles", 2}, std::pair{"imcResCards", 1},
                             std::pair{"imcHorder", 9}, std::pair{"imcGorder", 1}, std::pair{"imcGoalCards", 3},
                             std::pair{"imcGoalBase", 12}, std::pair{"imcPlayer", 4}})
        Choose(Find(dlg, name), tag);
    Find<QCheckBox>(dlg, "chkMulti")->setChecked(false);
    Find<QCheckBox>(dlg, "chkHomeAK")->setChecked(true);
    t.Settings.Log.clear(), t.Settings.In.clear();

    Find<QPushButton>(dlg, "cmdPlay")->click();

    ASSERT_GE(t.Settings.Log.size(), 10u);
    const std::vector<std::string> first(t.Settings.Log.begin(), t.Settings.Log.begin() + 10);
    EXPECT_EQ(first,
              (std::vector<std::string>{"Data/HomePiles=5", "Data/ResPiles=2", "Data/HomeOrder=9", "Data/GoalOrder=1",
                                        "Data/GoalCards=3", "Data/ResCards=1", "Data/GoalBase=12",
                                        "Data/CurPlayerInx=4", "Data/MultiMove=0", "Data/HomeAK=1"}));
    EXPECT_EQ(t.Settings.Log[10], "Data/WinnableOnly=0");
    // The file takes the whole choice in one replacement, before the deal's own.
    EXPECT_EQ(std::count(t.Settings.In.begin(), t.Settings.In.end(), t.Settings.In[0]), 11);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    // A new game under the new variant, for the chosen player.
    EXPECT_TRUE(t.TheGame.Running());
    EXPECT_EQ(t.TheGame.Piles(kHome), 5);
    EXPECT_EQ(t.TheGame.Order(kHome), 9);
    EXPECT_EQ(t.TheGame.GoalBase(), 12);
    EXPECT_EQ(t.TheGame.CurrentPlayerName(), "Ann");

    // With no players the list is empty and Play stores player one.
    Table empty;
    frmSelect none(empty.TheGame, nullptr);
    EXPECT_EQ(Find(none, "imcPlayer")->count(), 0);
    Find<QPushButton>(none, "cmdPlay")->click();
    EXPECT_EQ(cRegistry(empty.TheGame.Settings).CurPlayerInx(), "1");
    EXPECT_TRUE(empty.TheGame.Running());
}

namespace {

// Game 123 for "Player 1", a few moves made, 150 seconds on the clock, and its "Congrats" dialog.
struct WonTable : Table {
    std::int16_t Moves = 0, Score = 0;
    std::string Record; // the player's record with the win counted
    std::vector<QString> Commands;
    std::function<void(const QString &)> OnCommand = [this](const QString &key) { Commands.push_back(key); };
    std::unique_ptr<frmFinishGame> Dlg;
    WonTable() {
        TheGame.EnsureFirstPlayer();
        TheGame.StartGame(123.0);
        for (int i = 0; i < 3 && !TheGame.LegalMoves().empty(); ++i)
            TheGame.PlayMove(TheGame.LegalMoves().front().PicID, TheGame.LegalMoves().front().Target);
        Moves = TheGame.MovesInForce();
        Clock.Now += 150;
        View.Sounds.clear();
        Score = TheGame.GameScore();
        Record = "games 1 won 1 score " + std::to_string(Score) + " moves " + std::to_string(Moves);
        Dlg = std::make_unique<frmFinishGame>(
            TheGame, [this](const QString &key) { OnCommand(key); }, nullptr);
    }
};

} // namespace

TEST(FinishDialog, SumsUpTheGameStopsTheClockAndPlaysTheWinSound) {
    WonTable t;
    frmFinishGame &dlg = *t.Dlg;
    ASSERT_GT(t.Moves, 0);
    EXPECT_EQ(t.Score, t.TheGame.GoalCardCount() * 10 - 50);
    auto *list = Find<QListWidget>(dlg, "ListView1");
    ASSERT_NE(list, nullptr);
    dlg.show();
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << "line shown " << i;
    }
    EXPECT_EQ(lines, QStringList({" Game :123", " Time Taken :0:02:30", " Player :Player 1",
                                  " Score :" + QString::number(t.Score), " Moves :" + QString::number(t.Moves)}));
    EXPECT_EQ(dlg.HeldScore(), t.Score);
    EXPECT_FALSE(t.TheGame.Running());
    EXPECT_EQ(t.TheGame.ElapsedSeconds(), 0);
    EXPECT_EQ(t.View.Sounds, (std::vector<std::string>{"Win"}));

    EXPECT_TRUE(Find<QRadioButton>(dlg, "optSelect")->isChecked());
    // The win counts as shown; killed while open, the next start finds that record, nothing offered.
    EXPECT_EQ(test::Record(cRegistry(t.TheGame.Settings), 1), t.Record);
    EXPECT_TRUE(t.Commands.empty());
    test::GameOn again(t.Settings, t.Clock.Now + 60);
    EXPECT_FALSE(again.TheGame.HasKeptGame());
    EXPECT_EQ(test::Record(again.Store, 1), t.Record);
}

// OK runs the chosen command after recording; Cancel and the close box run nothing.
TEST(FinishDialog, EveryWayOfClosingRecordsTheWinOnceWithTheHeldScore) {
    struct Way {
        const char *Option, *Button, *Command;
    };
    for (const Way &way : {Way{"", "cmdOK", "F2"}, Way{"optNew", "cmdOK", "F1"}, Way{"optRestart", "cmdOK", "F4"},
                           Way{"optChoose", "cmdOK", "F7"}, Way{"optNew", "cmdCancel", ""}, Way{"", "close", ""}}) {
        SCOPED_TRACE(std::string(way.Option) + " " + way.Button);
        WonTable t;
        int gamesWhenRun = -1;
        bool visibleWhenRun = true;
        t.OnCommand = [&](const QString &key) {
            t.Commands.push_back(key);
            gamesWhenRun = cRegistry(t.TheGame.Settings).GetPlayerGames(1);
            visibleWhenRun = t.Dlg->isVisible();
        };
        t.Dlg->show();
        if (*way.Option)
            Find<QRadioButton>(*t.Dlg, way.Option)->click();
        t.Clock.Now += 600; // waiting does not lower the score
        if (std::string(way.Button) == "close")
            EXPECT_TRUE(t.Dlg->close());
        else
            Find<QAbstractButton>(*t.Dlg, way.Button)->click();
        EXPECT_FALSE(t.Dlg->isVisible());
        EXPECT_TRUE(t.Dlg->Recorded());
        if (*way.Command) {
            EXPECT_EQ(t.Commands, (std::vector<QString>{QString::fromLatin1(way.Command)}));
            EXPECT_EQ(gamesWhenRun, 1) << "the win is recorded before the next command runs";
            EXPECT_FALSE(visibleWhenRun);
            EXPECT_EQ(t.Dlg->result(), QDialog::Accepted);
        } else {
            EXPECT_EQ(t.Dlg->result(), QDialog::Rejected);
            // Whatever follows, the win stays counted once and nothing runs.
            t.Dlg->reject();
            t.Dlg->accept();
            t.Dlg->close();
            EXPECT_TRUE(t.Commands.empty());
        }
        EXPECT_EQ(test::Record(cRegistry(t.TheGame.Settings), 1), t.Record);
        EXPECT_FALSE(t.TheGame.Running());
        EXPECT_EQ(t.TheGame.MovesInForce(), 0) << "the game has ended";
    }
}
