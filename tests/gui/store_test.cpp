// The settings file: reads see it as it is, hand edits survive, two copies of the game lose no record.
#include "WindowFixture.h"
#include "cSlotLocks.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabloo::test {
namespace {

// A game on a settings file of its own, as one running copy of the program has it.
struct FileStore {
    cQtSettings Settings;
    explicit FileStore(const QString &file) : Settings(file) {}
};
struct FileGame : FileStore, GameOn {
    explicit FileGame(const QString &file) : FileStore(file), GameOn(Settings) { TheGame.EnsureFirstPlayer(); }
    void PlayOneGame(double number) {
        TheGame.StartGame(number);
        TheGame.EndGame(0);
    }
};

// Each test on a settings file of its own, in a fresh folder.
struct SettingsFile : ::testing::Test {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tabloo.ini");
};

TEST_F(SettingsFile, AHandEditCountsAtOnceAndIsNeverWrittenOver) {
    FileGame copy(file);
    copy.PlayOneGame(5);
    EXPECT_EQ(cRegistry(copy.TheGame.Settings).GetPlayerGames(1), 1);
    // A stored 0 is no default 1; a missing key is told from an empty one, section by section.
    cRegistry(copy.TheGame.Settings).SetAutoplay(0);
    cRegistry(copy.TheGame.Settings).SetPlayerName(3, "");
    EXPECT_EQ(cRegistry(FileGame(file).TheGame.Settings).Autoplay(), 0);
    std::string value;
    EXPECT_FALSE(copy.Settings.Read(cRegistry::kApp, cRegistry::kPlayers, "3PlayerMoves", value));
    EXPECT_FALSE(copy.Settings.Read(cRegistry::kApp, cRegistry::kData, "3PlayerName", value));
    EXPECT_TRUE(copy.Settings.Read(cRegistry::kApp, cRegistry::kPlayers, "3PlayerName", value) && value.empty());

    // Hand edits while the game runs: a count, a name with a comma, a comment, a split [Game].
    copy.Settings.Settle();
    QByteArray text = ReadFileBytes(file);
    text.replace("1PlayerGames=1", "1PlayerGames=500");
    text += "; kept as written\n[Game]\nStray=1\n\n[Players]\n9PlayerName=Doe, Jane\n\n[Game]\nStray=2\n";
    WriteFileBytes(file, text);
    EXPECT_EQ(copy.TheGame.CountPlayers(), 2) << "a name with a comma is a name";
    EXPECT_EQ(cRegistry(copy.TheGame.Settings).GetPlayerName(9), "Doe, Jane");
    copy.PlayOneGame(6);
    EXPECT_EQ(cRegistry(copy.TheGame.Settings).GetPlayerGames(1), 501);
    copy.Settings.Settle();
    const QByteArray after = ReadFileBytes(file);
    EXPECT_TRUE(after.contains("; kept as written"));
    EXPECT_TRUE(after.contains("9PlayerName=Doe, Jane"));
    EXPECT_EQ(after.count("[Players]"), 2) << "the second section stays where it was written";
    EXPECT_FALSE(after.contains("[Game]")) << "the ended game's sections go, and only they";

    // The game's own texts go in QSettings' form, and read back the same both ways.
    const std::string names[] = {"Zoë, the 2nd = best; #1", "  spaced  ", "@home", "a\"quoted\\back", "tab\there"};
    for (int i = 0; i < 5; ++i)
        cRegistry(copy.TheGame.Settings).SetPlayerName(static_cast<std::int16_t>(i + 2), names[i]);
    copy.Settings.Settle();
    QSettings qt(file, QSettings::IniFormat);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(cRegistry(copy.TheGame.Settings).GetPlayerName(static_cast<std::int16_t>(i + 2)), names[i]);
        EXPECT_EQ(qt.value(QStringLiteral("Players/%1PlayerName").arg(i + 2)).toString().toStdString(), names[i]);
    }
    qt.setValue("Players/8PlayerName", QString::fromUtf8("Ünï \"x\", y\\z"));
    qt.sync();
    EXPECT_EQ(cRegistry(copy.TheGame.Settings).GetPlayerName(8), "Ünï \"x\", y\\z");
}

std::int64_t ChangedNs(const QString &file) {
    struct stat st;
    EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    return std::max(std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                    std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec);
}

std::int64_t TestNow = 0;

TEST_F(SettingsFile, AnUnchangedFileIsReadOnceAndEveryChangeCountsAtTheNextRead) {
    WriteFileBytes(file, "[Data]\nAutoplay=0\nShowToolbar=1\n");
    cQtSettings::SetClock([] { return TestNow; });
    cQtSettings store(file);
    cRegistry registry(store);
    // A copy taken within the file times' granularity proves nothing: an edit could keep them.
    TestNow = ChangedNs(file) + 10'000'000;
    EXPECT_EQ(registry.Autoplay(), 0);
    EXPECT_EQ(registry.Autoplay(), 0);
    EXPECT_EQ(store.Loads(), 2);
    // Once older, it stands while the file stays as it was: the window's 100 ms ticks read nothing.
    TestNow += 1'000'000'000;
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(registry.Autoplay(), 0);
        EXPECT_EQ(registry.ShowToolbar(), 1);
    }
    EXPECT_EQ(store.Loads(), 3);
    // A hand edit of the same size in place, and a new file put in its place, count at once.
    WriteFileBytes(file, "[Data]\nAutoplay=1\nShowToolbar=1\n");
    EXPECT_EQ(registry.Autoplay(), 1);
    QFile::remove(file);
    WriteFileBytes(file, "[Data]\nAutoplay=0\nShowToolbar=0\n");
    EXPECT_EQ(registry.ShowToolbar(), 0);
    QFile::remove(file);
    EXPECT_EQ(registry.Autoplay(), 1) << "no file, no stored value: the default";
    cQtSettings::SetClock(nullptr);
}

TEST_F(SettingsFile, WritesAreSeenAtOnceAndReachTheFileInOrder) {
    cQtSettings store(file);
    cRegistry registry(store);
    // A burst of writes: each read sees the last, whether or not it reached the file yet.
    for (int i = 1; i <= 200; ++i) {
        registry.SetPlayerMoves(1, i);
        ASSERT_EQ(registry.GetPlayerMoves(1), i);
    }
    {
        cRegistry::Update update(registry);
        registry.SetPlayerGames(1, 7);
        registry.SetPlayerName(1, "Ann");
        update.KeepSafe();
    }
    // A kept update is in the file when it ends, with everything before it.
    QSettings qt(file, QSettings::IniFormat);
    EXPECT_EQ(qt.value("Players/1PlayerGames").toString(), "7");
    EXPECT_EQ(qt.value("Players/1PlayerMoves").toString(), "200");
    EXPECT_FALSE(QFile::exists(file + ".lock")) << "the lock goes once the writer is done";
}

TEST_F(SettingsFile, CountsAddUpOnTheFileAsItIsWhenTheyReachIt) {
    // Two copies of the game, each with its own copy and writer, the second by another file name.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("other")));
    WriteFileBytes(file, "[Players]\n1PlayerGames=32766\n1PlayerScore=oops\n1PlayerWin=5\n");
    cQtSettings first(file), second(dir.filePath("other/Tabloo.ini"));
    cRegistry a(first), b(second);
    ASSERT_EQ(b.GetPlayerWin(1), 5); // the second copy's parsed copy is taken now
    {
        cRegistry::Update update(a);
        a.AddPlayerWin(1, 1);
        a.AddPlayerScore(1, 400);
        a.AddPlayerGames(1, 1);
        a.AddPlayerGames(1, 1);
        // Within the update and before the file has it, reads see the sums.
        EXPECT_EQ(a.GetPlayerWin(1), 6);
        EXPECT_EQ(a.GetPlayerScore(1), 400) << "text that is no number counts as 0";
        EXPECT_EQ(a.GetPlayerGames(1), 32767) << "a count stops at the edge of its width";
        a.SetPlayerMoves(1, 10);
        a.AddPlayerMoves(1, -3);
        EXPECT_EQ(a.GetPlayerMoves(1), 7);
    }
    // The second copy counts on what it read before the first copy's sums reached the file.
    b.AddPlayerWin(1, 1);
    b.AddPlayerScore(1, -50);
    first.Settle();
    second.Settle();
    QSettings qt(file, QSettings::IniFormat);
    for (auto [key, value] :
         {std::pair{"Win", "7"}, std::pair{"Score", "350"}, std::pair{"Games", "32767"}, std::pair{"Moves", "7"}})
        EXPECT_EQ(qt.value(QStringLiteral("Players/1Player") + key).toString(), value) << key;
}

TEST_F(SettingsFile, AnUpdateNeverWaitsForAnotherCopyHoldingTheLock) {
    // Another copy of the game, alive on this host, is in the middle of its own update.
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    WriteFileBytes(file + ".lock", QByteArray::number(getppid()) + "\nTabloo\n" + host + "\n");
    cQtSettings store(file);
    cRegistry registry(store);
    const auto start = std::chrono::steady_clock::now();
    {
        cRegistry::Update update(registry);
        registry.AddPlayerGames(1, 1);
        registry.SetPlayerName(1, "Ann");
    }
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(500)) << "the window goes on while the writer waits its turn";
    EXPECT_EQ(registry.GetPlayerGames(1), 1);
    EXPECT_FALSE(ReadFileBytes(file).contains("Ann")) << "the file waits for the other copy";
    QFile::remove(file + ".lock");
    store.Settle();
    EXPECT_TRUE(ReadFileBytes(file).contains("1PlayerName=Ann"));
    EXPECT_TRUE(ReadFileBytes(file).contains("1PlayerGames=1"));
}

TEST_F(SettingsFile, AHundredGamesLeaveNoBlankLinesBehind) {
    FileGame copy(file);
    copy.TheGame.StartGame(1.0);
    copy.Settings.Settle();
    const QByteArray running = ReadFileBytes(file);
    copy.TheGame.EndGame(0);
    const QByteArray ended = ReadFileBytes(file);
    // The kept game is removed and written again at every deal, and at every end.
    for (int i = 0; i < 100; ++i)
        copy.PlayOneGame(i + 2);
    copy.Settings.Settle();
    QByteArray now = ReadFileBytes(file);
    EXPECT_EQ(now.count("\n\n"), ended.count("\n\n"));
    EXPECT_FALSE(now.contains("\n\n\n"));
    EXPECT_EQ(now.count('\n'), ended.count('\n'));

    // The kept game between two sections a person wrote, one blank line on each side.
    WriteFileBytes(file, "[Players]\n1PlayerName=Ann\n\n[Game]\nGameNo=4\n\n[Other]\nA=1\n");
    for (int i = 0; i < 100; ++i)
        copy.PlayOneGame(i);
    copy.Settings.Settle();
    now = ReadFileBytes(file);
    EXPECT_TRUE(now.startsWith("[Players]\n1PlayerName=Ann\n")) << now.toStdString();
    EXPECT_TRUE(now.contains("\n\n[Other]\nA=1\n")) << now.toStdString();
    EXPECT_FALSE(now.contains("\n\n\n")) << now.toStdString();
    EXPECT_FALSE(now.contains("[Game]"));
    copy.TheGame.StartGame(7.0);
    copy.Settings.Settle();
    EXPECT_EQ(ReadFileBytes(file).count("\n\n"), now.count("\n\n") + 1) << "one blank line before the kept game";
    EXPECT_FALSE(running.contains("\n\n\n"));
}

TEST_F(SettingsFile, AHugeValueReadsOnlyItsStartAndLeavesTheRestAsItWas) {
    const QByteArray huge(10 << 20, 'x');
    WriteFileBytes(file, "[Players]\n1PlayerName=Ann\n\n[Game]\nGameNo=" + huge + "\n\n[Other]\nA=1\n");
    cQtSettings store(file);
    std::string value;
    ASSERT_TRUE(store.Read(cRegistry::kApp, "Game", "GameNo", value));
    EXPECT_EQ(value.size(), 1u << 20) << "a megabyte, no more";
    EXPECT_EQ(value.find_first_not_of('x'), std::string::npos);
    cRegistry registry(store);
    EXPECT_EQ(registry.GetPlayerName(1), "Ann");
    registry.SetPlayerGames(1, 3);
    store.Settle();
    EXPECT_TRUE(ReadFileBytes(file).contains("GameNo=" + huge + "\n")) << "what is not changed stays whole";
    store.RemoveSection(cRegistry::kApp, "Game");
    store.Settle();
    EXPECT_EQ(ReadFileBytes(file), "[Players]\n1PlayerName=Ann\n1PlayerGames=3\n\n[Other]\nA=1\n");
}

TEST_F(SettingsFile, AKeptGameSlotIsHeldWhileItsCopyRunsAndLetGoWhenItIsKilled) {
    {
        cSlotLocks first(file), second(file);
        EXPECT_TRUE(first.TryHold(1));
        EXPECT_FALSE(second.TryHold(1)) << "held, even within one program";
        EXPECT_TRUE(second.TryHold(2));
    }
    // A copy killed -9 while it holds slot 1.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        cSlotLocks held(file);
        const char ok = held.TryHold(1) ? 'y' : 'n';
        (void)!write(ready[1], &ok, 1);
        for (;;)
            pause();
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, 'y');
    cSlotLocks mine(file);
    EXPECT_FALSE(mine.TryHold(1)) << "the running copy holds it";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.TryHold(1)) << "a kill lets it go";
    close(ready[0]);
    close(ready[1]);
}

// One copy of the game among several: it plays when a test starts it as a program of its own.
TEST(SettingsFileCopy, PlaysGamesOnTheFileItIsGiven) {
    const QString file = qEnvironmentVariable("TABLOO_TEST_STORE");
    if (file.isEmpty())
        GTEST_SKIP() << "run by TwoCopiesEndingGamesAtTheSameTimeLoseNoRecord";
    FileGame copy(file);
    for (int i = 0; i < 25; ++i)
        copy.PlayOneGame(i);
}

TEST_F(SettingsFile, TwoCopiesEndingGamesAtTheSameTimeLoseNoRecord) {
    FileGame(file).PlayOneGame(1);
    // Two programs, each with its own view of the file, ending 25 games each at once.
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 2; ++i) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TABLOO_TEST_STORE", file);
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=SettingsFileCopy.PlaysGamesOnTheFileItIsGiven"});
        copies.push_back(std::move(p));
    }
    for (auto &p : copies) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
    }
    cQtSettings store(file);
    EXPECT_EQ(cRegistry(store).GetPlayerGames(1), 51);
}

} // namespace
} // namespace tabloo::test
