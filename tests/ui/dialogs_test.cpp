// The settings file, the "Select Game" dialog and the "Congrats" dialog, on in-memory
// platform pieces: stored choices shown and written back in the game's order, a new deal
// from "Play", nothing stored on any other close, and a win summed up and recorded once.
#include "Game.h"
#include "cMemorySettings.h"
#include "cQtSettings.h"
#include "cSystemClock.h"
#include "frmFinishGame.h"
#include "frmSelect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tabloo;

namespace {

struct FixedClock : IClock {
    std::int64_t Now = 2'000'000;
    std::int64_t NowSeconds() const override { return Now; }
};

struct RecordingView : ITableView {
    std::vector<std::string> Sounds;
    void PlaySound(std::string_view name) override { Sounds.emplace_back(name); }
};

// The memory store, with every write noted as "Section/Key=value" in the order it came.
struct RecordingSettings : ISettingsBackend {
    cMemorySettings Inner;
    std::vector<std::string> Writes;
    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override {
        return Inner.Read(app, section, key, value);
    }
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
        Writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
        Inner.Write(app, section, key, value);
    }
};

struct Table {
    RecordingSettings Settings;
    FixedClock Clock;
    cUniformRandom Random;
    RecordingView View;
    Game G{Settings, Clock, Random, View};

    void Set(std::string_view key, std::string_view value) { G.Registry.Write(cRegistry::kData, key, value); }
};

template <typename T> T *Find(QWidget &dialog, const char *name) {
    T *w = dialog.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

std::vector<int> Tags(QComboBox *list) {
    std::vector<int> tags;
    for (int i = 0; i < list->count(); ++i)
        tags.push_back(list->itemData(i).toInt());
    return tags;
}

std::vector<QString> Texts(QComboBox *list) {
    std::vector<QString> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->itemText(i));
    return texts;
}

void Choose(QComboBox *list, int tag) {
    const int at = list->findData(tag);
    ASSERT_GE(at, 0) << list->objectName().toStdString() << " has no " << tag;
    list->setCurrentIndex(at);
    emit list->activated(at);
}

// Saves a picture of the dialog when TABLOO_DIALOG_SHOTS names a folder.
void Shoot(QWidget &dialog, const char *file) {
    dialog.show();
    const QPixmap shot = dialog.grab();
    EXPECT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("TABLOO_DIALOG_SHOTS");
    if (!folder.isEmpty())
        shot.save(QDir(folder).filePath(QString::fromLatin1(file)));
}

} // namespace

// ---- the settings file ----

TEST(QtSettings, KeepsEveryTextInTheUsersIniFileAndReadsItBack) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    const bool hadHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    // Qt remembers the user folder once per run: point it at the fresh one.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());

    const QString file = home.filePath(QStringLiteral("Tabloo/Tabloo.ini"));
    {
        cQtSettings store;
        EXPECT_EQ(QDir::cleanPath(store.FileName()).toStdString(), QDir::cleanPath(file).toStdString());
        cRegistry reg(store);
        reg.SetPlayerName(1, "Player 1");
        reg.SetPlayerScore(10, -35);
        reg.SetPlayerName(3, "");
        reg.SetPlayerName(4, "Zoë, the 2nd = best; #1");
        reg.SetHomePiles(6);
        reg.SetCurPlayerInx("7");
        reg.SetAutoplay(0);

        // Synced at once: the file holds the texts while the store is still open.
        QFile ini(file);
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << file.toStdString();
        const QString content = QString::fromUtf8(ini.readAll());
        EXPECT_TRUE(content.contains(QStringLiteral("[Players]"))) << content.toStdString();
        EXPECT_TRUE(content.contains(QStringLiteral("[Data]"))) << content.toStdString();
        EXPECT_TRUE(content.contains(QStringLiteral("10PlayerScore=-35"))) << content.toStdString();
        EXPECT_TRUE(content.contains(QStringLiteral("1PlayerName=Player 1"))) << content.toStdString();
        EXPECT_TRUE(content.contains(QStringLiteral("HomePiles=6"))) << content.toStdString();
    }

    // A later run reads what an earlier one wrote.
    cQtSettings store;
    cRegistry reg(store);
    EXPECT_EQ(reg.GetPlayerScore(10), -35);
    EXPECT_EQ(reg.GetPlayerName(1), "Player 1");
    EXPECT_EQ(reg.GetPlayerName(4), "Zoë, the 2nd = best; #1");
    EXPECT_EQ(reg.HomePiles(), 6);
    EXPECT_EQ(reg.CurPlayerInx(), "7");
    EXPECT_EQ(reg.Autoplay(), 0) << "a stored 0 is not the default 1";
    std::string text = "untouched";
    EXPECT_TRUE(store.Read(cRegistry::kApp, cRegistry::kPlayers, "3PlayerName", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(store.Read(cRegistry::kApp, cRegistry::kPlayers, "10PlayerScore", text));
    EXPECT_EQ(text, "-35");
    text = "untouched";
    EXPECT_FALSE(store.Read(cRegistry::kApp, cRegistry::kPlayers, "10PlayerMoves", text));
    EXPECT_FALSE(store.Read(cRegistry::kApp, cRegistry::kData, "10PlayerScore", text)) << "sections are apart";
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(reg.GetPlayerMoves(10), 0);
    EXPECT_EQ(reg.ColorIndex(), 23);

    if (hadHome)
        qputenv("XDG_CONFIG_HOME", oldHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

// ---- Select Game ----

TEST(SelectDialog, OpensWithTheStoredChoicesSelected) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.G.CreatePlayer(4, "Ann");
    t.G.CreatePlayer(7, "Bob");
    t.Set("HomePiles", "6");
    t.Set("ResPiles", "3");
    t.Set("ResCards", "2");
    t.Set("HomeOrder", "7");
    t.Set("GoalOrder", "3");
    t.Set("GoalBase", "13");
    t.Set("GoalCards", "2");
    t.Set("MultiMove", "0");
    t.Set("HomeAK", "1");
    t.Set("CurPlayerInx", "7");
    t.Settings.Writes.clear();

    frmSelect dlg(t.G, nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Select Game");
    std::vector<QString> groups;
    for (QGroupBox *box : dlg.findChildren<QGroupBox *>())
        groups.push_back(box->title());
    EXPECT_EQ(groups, (std::vector<QString>{"Tableau", "Foundation", "Free Cells"}));
    EXPECT_EQ(Find<QPushButton>(dlg, "cmdPlay")->text(), "Play");
    EXPECT_EQ(Find<QCheckBox>(dlg, "chkMulti")->text(), "Multi Move");
    EXPECT_EQ(Find<QCheckBox>(dlg, "chkHomeAK")->text(), "Ace-King Wrapping");

    auto *homePiles = Find<QComboBox>(dlg, "imcHomePiles");
    EXPECT_EQ(Tags(homePiles), (std::vector<int>{4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(homePiles->currentText(), "6");
    auto *horder = Find<QComboBox>(dlg, "imcHorder");
    ASSERT_EQ(horder->count(), 10);
    EXPECT_EQ(horder->itemText(9), "Up or Down Regardless of Suit");
    EXPECT_EQ(horder->currentData().toInt(), 7);
    EXPECT_EQ(horder->currentText(), "Up or Down Same Suit");
    auto *gorder = Find<QComboBox>(dlg, "imcGorder");
    EXPECT_EQ(Tags(gorder), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(gorder->currentText(), "Down Same Suit");
    auto *base = Find<QComboBox>(dlg, "imcGoalBase");
    ASSERT_EQ(base->count(), 14);
    EXPECT_EQ(base->itemText(0), "Ace");
    EXPECT_EQ(base->itemText(12), "King");
    EXPECT_EQ(base->currentText(), "Random");
    EXPECT_EQ(base->currentData().toInt(), 13);
    EXPECT_EQ(Find<QComboBox>(dlg, "imcGoalCards")->currentData().toInt(), 2);
    auto *resPiles = Find<QComboBox>(dlg, "imcResPiles");
    EXPECT_EQ(Tags(resPiles), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(resPiles->currentData().toInt(), 3);
    auto *resCards = Find<QComboBox>(dlg, "imcResCards");
    EXPECT_EQ(Tags(resCards), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(resCards->currentData().toInt(), 2);
    EXPECT_FALSE(Find<QCheckBox>(dlg, "chkMulti")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(dlg, "chkHomeAK")->isChecked());

    // The used slots only, in slot order, each tagged with its number.
    auto *player = Find<QComboBox>(dlg, "imcPlayer");
    EXPECT_EQ(Texts(player), (std::vector<QString>{"Player 1", "Ann", "Bob"}));
    EXPECT_EQ(Tags(player), (std::vector<int>{1, 4, 7}));
    EXPECT_EQ(player->currentText(), "Bob");
    EXPECT_EQ(dlg.PlayerNumber(), 7);

    for (QComboBox *list : dlg.findChildren<QComboBox *>())
        for (int i = 0; i < list->count(); ++i)
            EXPECT_FALSE(list->itemIcon(i).isNull()) << list->objectName().toStdString() << " " << i;
    EXPECT_TRUE(t.Settings.Writes.empty()) << "opening stores nothing";
}

TEST(SelectDialog, AStoredValueWithoutAnEntryChoosesTheFirstEntry) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.G.CreatePlayer(3, "Cy");
    t.Set("GoalOrder", "7");
    t.Set("HomePiles", "12");
    t.Set("GoalBase", "-1");
    t.Set("ResPiles", "2");
    t.Set("ResCards", "4");
    t.Set("CurPlayerInx", "5"); // a free slot

    frmSelect dlg(t.G, nullptr);
    EXPECT_EQ(Find<QComboBox>(dlg, "imcGorder")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>(dlg, "imcGorder")->currentText(), "Up Same Suit");
    EXPECT_EQ(Find<QComboBox>(dlg, "imcHomePiles")->currentData().toInt(), 4);
    EXPECT_EQ(Find<QComboBox>(dlg, "imcGoalBase")->currentText(), "Ace");
    EXPECT_EQ(Find<QComboBox>(dlg, "imcResCards")->currentText(), "0");
    EXPECT_EQ(Find<QComboBox>(dlg, "imcPlayer")->currentText(), "Player 1");
    EXPECT_EQ(dlg.PlayerNumber(), 1);
}

TEST(SelectDialog, ANewCountOfFreeCellsRefillsTheirCardsFromZero) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.Set("ResPiles", "4");
    t.Set("ResCards", "3");
    frmSelect dlg(t.G, nullptr);
    auto *resPiles = Find<QComboBox>(dlg, "imcResPiles");
    auto *resCards = Find<QComboBox>(dlg, "imcResCards");
    ASSERT_EQ(resCards->currentText(), "3");

    Choose(resPiles, 2);
    EXPECT_EQ(Texts(resCards), (std::vector<QString>{"0", "1", "2"}));
    EXPECT_EQ(Tags(resCards), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(resCards->currentText(), "0");

    // Choosing 2 again after picking 2 cards starts over at "0".
    Choose(resCards, 2);
    Choose(resPiles, 2);
    EXPECT_EQ(resCards->count(), 3);
    EXPECT_EQ(resCards->currentText(), "0");

    Choose(resPiles, 0);
    EXPECT_EQ(Texts(resCards), (std::vector<QString>{"0"}));
    EXPECT_EQ(resCards->currentIndex(), 0);
}

TEST(SelectDialog, PlayStoresTheChoicesInOrderAndDealsThem) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.G.CreatePlayer(4, "Ann");
    frmSelect dlg(t.G, nullptr);
    dlg.show();
    Choose(Find<QComboBox>(dlg, "imcHomePiles"), 5);
    Choose(Find<QComboBox>(dlg, "imcResPiles"), 2);
    Choose(Find<QComboBox>(dlg, "imcResCards"), 1);
    Choose(Find<QComboBox>(dlg, "imcHorder"), 9);
    Choose(Find<QComboBox>(dlg, "imcGorder"), 1);
    Choose(Find<QComboBox>(dlg, "imcGoalCards"), 3);
    Choose(Find<QComboBox>(dlg, "imcGoalBase"), 12);
    Choose(Find<QComboBox>(dlg, "imcPlayer"), 4);
    Find<QCheckBox>(dlg, "chkMulti")->setChecked(false);
    Find<QCheckBox>(dlg, "chkHomeAK")->setChecked(true);
    t.Settings.Writes.clear();

    Find<QPushButton>(dlg, "cmdPlay")->click();

    ASSERT_GE(t.Settings.Writes.size(), 10u);
    const std::vector<std::string> first(t.Settings.Writes.begin(), t.Settings.Writes.begin() + 10);
    EXPECT_EQ(first,
              (std::vector<std::string>{"Data/HomePiles=5", "Data/ResPiles=2", "Data/HomeOrder=9", "Data/GoalOrder=1",
                                        "Data/GoalCards=3", "Data/ResCards=1", "Data/GoalBase=12",
                                        "Data/CurPlayerInx=4", "Data/MultiMove=0", "Data/HomeAK=1"}));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);

    // A new game under the new variant, for the chosen player.
    EXPECT_TRUE(t.G.GameRunning);
    EXPECT_FALSE(t.G.CurrentGameNo.empty());
    EXPECT_EQ(t.G.Games.Piles(kHome), 5);
    EXPECT_EQ(t.G.Games.Piles(kReserve), 2);
    EXPECT_EQ(t.G.Games.Order(kHome), 9);
    EXPECT_EQ(t.G.Games.Order(kGoal), 1);
    EXPECT_EQ(t.G.GoalBaseRank, 12);
    EXPECT_EQ(t.G.CurrentPlayerName(), "Ann");
    EXPECT_NE(t.G.Title().find("[Ann]"), std::string::npos);
}

TEST(SelectDialog, WithNoPlayersTheListIsEmptyAndPlayStoresPlayerOne) {
    Table t;
    frmSelect dlg(t.G, nullptr);
    EXPECT_EQ(Find<QComboBox>(dlg, "imcPlayer")->count(), 0);
    Find<QPushButton>(dlg, "cmdPlay")->click();
    EXPECT_EQ(t.G.Registry.CurPlayerInx(), "1");
    EXPECT_TRUE(t.G.GameRunning);
}

TEST(SelectDialog, ClosingWithoutPlayStoresNothingAndStartsNothing) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.Settings.Writes.clear();
    {
        frmSelect dlg(t.G, nullptr);
        dlg.show();
        Choose(Find<QComboBox>(dlg, "imcHomePiles"), 10);
        Choose(Find<QComboBox>(dlg, "imcResPiles"), 1);
        Find<QCheckBox>(dlg, "chkHomeAK")->setChecked(true);
        EXPECT_TRUE(dlg.close());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    {
        frmSelect dlg(t.G, nullptr);
        dlg.show();
        Choose(Find<QComboBox>(dlg, "imcGoalBase"), 5);
        dlg.reject();
    }
    EXPECT_TRUE(t.Settings.Writes.empty());
    EXPECT_FALSE(t.G.GameRunning);
    EXPECT_TRUE(t.G.CurrentGameNo.empty());
    EXPECT_EQ(t.G.Registry.HomePiles(), 8);
}

// ---- Congrats ----

namespace {

// Game 123 for "Player 1", a few moves made, then `seconds` on the clock.
struct WonTable : Table {
    std::int16_t Moves = 0;
    explicit WonTable(std::int64_t seconds = 150) {
        G.EnsureFirstPlayer();
        G.StartGame(123.0);
        for (int i = 0; i < 3; ++i) {
            const std::vector<LegalMove> moves = G.LegalMoves();
            if (moves.empty())
                break;
            G.PlayMove(moves.front().PicID, moves.front().Target);
        }
        Moves = G.Trans.GetTransID();
        Clock.Now += seconds;
        View.Sounds.clear();
    }
};

std::vector<QString> Lines(frmFinishGame &dlg) {
    std::vector<QString> lines;
    auto *list = dlg.findChild<QListWidget *>(QStringLiteral("ListView1"));
    for (int i = 0; list && i < list->count(); ++i)
        lines.push_back(list->item(i)->text());
    return lines;
}

} // namespace

TEST(FinishDialog, SumsUpTheGameStopsTheClockAndPlaysTheWinSound) {
    WonTable t;
    ASSERT_GT(t.Moves, 0);
    const std::int16_t score = t.G.GameScore();
    EXPECT_EQ(score, t.G.Array.TotalGoalCards() * 10 - 50);

    std::vector<QString> commands;
    frmFinishGame dlg(
        t.G, [&](const QString &key) { commands.push_back(key); }, nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Congrats");
    EXPECT_EQ(Lines(dlg),
              (std::vector<QString>{" Game :123", " Time Taken :0:02:30", " Player :Player 1",
                                    " Score :" + QString::number(score), " Moves :" + QString::number(t.Moves)}));
    EXPECT_EQ(dlg.HeldScore(), score);
    EXPECT_FALSE(t.G.GameRunning);
    EXPECT_EQ(t.G.ElapsedSeconds(), 0);
    EXPECT_EQ(t.View.Sounds, (std::vector<std::string>{"Win"}));

    EXPECT_TRUE(Find<QRadioButton>(dlg, "optSelect")->isChecked());
    EXPECT_EQ(Find<QRadioButton>(dlg, "optNew")->text(), "New Game");
    EXPECT_EQ(Find<QRadioButton>(dlg, "optSelect")->text(), "Select Game");
    EXPECT_EQ(Find<QRadioButton>(dlg, "optRestart")->text(), "Restart Game");
    EXPECT_EQ(Find<QRadioButton>(dlg, "optChoose")->text(), "Select a Number");
    EXPECT_EQ(Find<QPushButton>(dlg, "cmdOK")->text(), "OK");
    EXPECT_EQ(Find<QPushButton>(dlg, "cmdCancel")->text(), "Cancel");
    EXPECT_NE(dlg.findChild<QGroupBox *>(QStringLiteral("Frame1")), nullptr);
    // Nothing is recorded until it closes.
    EXPECT_EQ(t.G.Registry.GetPlayerGames(1), 0);
    EXPECT_TRUE(commands.empty());
}

TEST(FinishDialog, OkRecordsTheWinWithTheScoreShownThenRunsTheChosenCommand) {
    WonTable t;
    const std::int16_t score = t.G.GameScore();
    std::vector<QString> commands;
    int gamesWhenRun = -1;
    bool visibleWhenRun = true;
    frmFinishGame dlg(
        t.G,
        [&](const QString &key) {
            commands.push_back(key);
            gamesWhenRun = t.G.Registry.GetPlayerGames(1);
            visibleWhenRun = dlg.isVisible();
        },
        nullptr);
    dlg.show();
    t.Clock.Now += 600; // waiting does not lower the score
    Find<QPushButton>(dlg, "cmdOK")->click();

    EXPECT_EQ(commands, (std::vector<QString>{"F2"}));
    EXPECT_EQ(gamesWhenRun, 1) << "the win is recorded before the next command runs";
    EXPECT_FALSE(visibleWhenRun);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const cRegistry &reg = t.G.Registry;
    EXPECT_EQ(reg.GetPlayerGames(1), 1);
    EXPECT_EQ(reg.GetPlayerWin(1), 1);
    EXPECT_EQ(reg.GetPlayerScore(1), score);
    EXPECT_EQ(reg.GetPlayerMoves(1), t.Moves);
    EXPECT_EQ(t.G.Trans.GetTransID(), 0) << "the game has ended";
}

TEST(FinishDialog, EachOptionGivesItsCommandKey) {
    for (auto [option, key] : {std::pair{"optNew", "F1"}, std::pair{"optSelect", "F2"}, std::pair{"optRestart", "F4"},
                               std::pair{"optChoose", "F7"}}) {
        WonTable t;
        std::vector<QString> commands;
        frmFinishGame dlg(
            t.G, [&](const QString &k) { commands.push_back(k); }, nullptr);
        Find<QRadioButton>(dlg, option)->click();
        Find<QPushButton>(dlg, "cmdOK")->click();
        EXPECT_EQ(commands, (std::vector<QString>{QString::fromLatin1(key)})) << option;
        EXPECT_EQ(t.G.Registry.GetPlayerWin(1), 1) << option;
    }
}

TEST(FinishDialog, CancelRecordsTheWinAndRunsNoCommand) {
    WonTable t;
    const std::int16_t score = t.G.GameScore();
    std::vector<QString> commands;
    frmFinishGame dlg(
        t.G, [&](const QString &key) { commands.push_back(key); }, nullptr);
    dlg.show();
    t.Clock.Now += 30;
    Find<QPushButton>(dlg, "cmdCancel")->click();
    EXPECT_TRUE(commands.empty());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(t.G.Registry.GetPlayerGames(1), 1);
    EXPECT_EQ(t.G.Registry.GetPlayerWin(1), 1);
    EXPECT_EQ(t.G.Registry.GetPlayerScore(1), score);
    EXPECT_EQ(t.G.Registry.GetPlayerMoves(1), t.Moves);
    EXPECT_FALSE(t.G.GameRunning);
}

TEST(FinishDialog, TheCloseBoxRecordsTheWinOnceAndRunsNoCommand) {
    WonTable t;
    const std::int16_t score = t.G.GameScore();
    std::vector<QString> commands;
    frmFinishGame dlg(
        t.G, [&](const QString &key) { commands.push_back(key); }, nullptr);
    dlg.show();
    EXPECT_TRUE(dlg.close());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.Recorded());
    // Whatever follows, the win stays counted once.
    dlg.reject();
    dlg.accept();
    dlg.close();
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(t.G.Registry.GetPlayerGames(1), 1);
    EXPECT_EQ(t.G.Registry.GetPlayerWin(1), 1);
    EXPECT_EQ(t.G.Registry.GetPlayerScore(1), score);
}

// ---- how they look ----

TEST(DialogLooks, BothDialogsDrawAtTheirNaturalSize) {
    Table t;
    t.G.EnsureFirstPlayer();
    t.G.CreatePlayer(2, "Alexandra Longname");
    {
        frmSelect dlg(t.G, nullptr);
        Shoot(dlg, "tabloo-select.png");
        const QSize hint = dlg.sizeHint();
        EXPECT_GE(dlg.width(), hint.width());
        EXPECT_GE(dlg.height(), hint.height());
        // Every list is wide enough for its longest entry.
        for (QComboBox *list : dlg.findChildren<QComboBox *>())
            EXPECT_GE(list->width(), list->minimumSizeHint().width()) << list->objectName().toStdString();
    }
    WonTable won;
    frmFinishGame dlg(
        won.G, [](const QString &) {}, nullptr);
    Shoot(dlg, "tabloo-congrats.png");
    auto *list = dlg.findChild<QListWidget *>(QStringLiteral("ListView1"));
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
    dlg.reject();
}
