// The kept game as a hand edit, a broken disk or a hostile file leaves it: asked, refused or brought back.
#include "WindowFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tabloo::test {
namespace {

// The lines of one section, in the order the file has them.
QByteArray SectionOf(const QByteArray &file, const QByteArray &section) {
    const qsizetype start = file.indexOf("[" + section + "]\n");
    if (start < 0)
        return {};
    const qsizetype end = file.indexOf("\n[", start + 1);
    return file.mid(start, end < 0 ? -1 : end - start);
}

// Sets a key of the kept game to this value in the file itself, as a hand edit would.
void SetKept(const QString &file, const QByteArray &key, const QByteArray &value) {
    QByteArray text = ReadFileBytes(file);
    const qsizetype game = text.indexOf("[Game]\n");
    ASSERT_GE(game, 0);
    const qsizetype at = text.indexOf("\n" + key + "=", game);
    if (at < 0) {
        text.insert(game + 7, key + "=" + value + "\n");
    } else {
        const qsizetype from = at + 1 + key.size() + 1;
        text.replace(from, text.indexOf('\n', from) - from, value);
    }
    WriteFileBytes(file, text);
}

// A program killed during game 123 on this file, beside a second player with a record of its own.
void KillOnFile(const QString &file) {
    cQtSettings store(file);
    {
        GameOn on(store);
        on.TheGame.EnsureFirstPlayer();
        on.TheGame.CreatePlayer(2, "Second");
        on.Store.SetPlayerGames(2, 7);
        on.Store.SetPlayerScore(2, 1234);
        on.Store.SetCurPlayerInx("1");
    }
    KillDuringAGame(store);
}

int Refuse(QDialog &d) {
    d.reject();
    return static_cast<int>(QDialog::Rejected);
}

TEST(KeptGame, AHugeValueInAnyKeyIsRefusedAtOnceAndCountedOnce) {
    const QByteArray keys[] = {"GameNo", "GoalOrder", "GoalBase", "GoalCards", "HomeOrder", "HomePiles",
                               "HomeAK", "MultiMove", "ResPiles", "ResCards",  "Player",    "Seconds",
                               "Last",   "Current",   "Moves0",   "GivenUp"};
    // Ten megabytes of what the key would hold: digits, or moves.
    const QByteArray digits(10 << 20, '7');
    QByteArray moves;
    while (moves.size() < (10 << 20))
        moves += "12.0.7.6.4.0.0.1 ";
    qint64 slowest = 0;
    for (const QByteArray &key : keys) {
        for (bool answer : {true, false}) {
            SCOPED_TRACE(key.toStdString() + (answer ? " yes" : " no"));
            QTemporaryDir dir;
            const QString file = dir.filePath("Tabloo.ini");
            KillOnFile(file);
            SetKept(file, key, key == "Moves0" ? moves : digits);
            const QByteArray players = SectionOf(ReadFileBytes(file), "Players");
            ASSERT_FALSE(players.isEmpty());

            // The window started on the file, its question answered, its messages taken down.
            cQtSettings store(file);
            frmMain w(store);
            std::vector<QString> asked, told;
            w.ExecDialog = Refuse;
            w.AskYesNo = [&](const QString &q) {
                asked.push_back(q);
                return answer;
            };
            w.Tell = [&](const QString &t) { told.push_back(t); };
            QElapsedTimer took;
            took.start();
            w.Load();
            slowest = std::max(slowest, took.elapsed());
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_LT(asked[0].size(), 200) << "the question tells the number by its start";
            // Answered no, it counts as lost as the player asked; answered yes, the message says why not.
            ASSERT_EQ(told.size(), answer ? 1u : 0u);
            if (answer) {
                EXPECT_TRUE(told[0].contains("could not be brought back")) << told[0].toStdString();
                EXPECT_LT(told[0].size(), 300);
            }
            EXPECT_FALSE(w.game().HasKeptGame()) << "the broken game is removed";
            EXPECT_EQ(cRegistry(store).GetPlayerGames(1), 1) << "counted as lost";
            w.close();
            EXPECT_EQ(cRegistry(store).GetPlayerGames(1), 1) << "and not again";
            // The other player's record and every name stay byte for byte; slot 1 took one game.
            QByteArray expected = players;
            expected.replace("1PlayerGames=0", "1PlayerGames=1");
            EXPECT_EQ(SectionOf(ReadFileBytes(file), "Players").toStdString(), expected.toStdString());
            EXPECT_LT(ReadFileBytes(file).size(), 4096) << "the huge value went with its game";
        }
    }
    // A generous bound: a start with the huge value took 40 s and more before the limits.
    EXPECT_LT(slowest, 3000) << "slowest start " << slowest << " ms";
    RecordProperty("SlowestStartMs", static_cast<int>(slowest));
}

// A FIFO that tells whether anything opened it to read, a writer thread standing by to let it go on.
struct Fifo {
    QString Path;
    std::atomic<bool> Opened{false}, Done{false};
    std::thread Writer;
    explicit Fifo(const QString &path) : Path(path) {
        EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        Writer = std::thread([this] {
            while (!Done) {
                const int fd = open(QFile::encodeName(Path).constData(), O_WRONLY);
                if (!Done)
                    Opened = true;
                if (fd >= 0)
                    close(fd);
            }
        });
    }
    ~Fifo() {
        // The test opens it itself, to let the writer go; held open until it has gone.
        Done = true;
        const int fd = open(QFile::encodeName(Path).constData(), O_RDONLY | O_NONBLOCK);
        Writer.join();
        if (fd >= 0)
            close(fd);
    }
};

// The message boxes as the window really opens them: plain text, each answered as soon as it stands.
struct Boxes {
    std::vector<QString> Shown;
    QElapsedTimer Since;
    QTimer Watch;
    explicit Boxes(QMessageBox::StandardButton answer) {
        Since.start();
        QObject::connect(&Watch, &QTimer::timeout, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            Shown.push_back(box->text());
            EXPECT_EQ(box->textFormat(), Qt::PlainText) << box->text().toStdString();
            EXPECT_LT(Since.elapsed(), 1000) << box->text().toStdString();
            // Drawn once, as the screen would: markup would load its pictures now.
            box->grab();
            (box->button(answer) ? box->button(answer) : box->button(QMessageBox::Ok))->click();
        });
        Watch.start(0);
    }
};

TEST(KeptGame, TextFromTheFileIsShownAsPlainTextAndLoadsNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tabloo.ini");
    // The markup names the FIFO "f" in the working folder, short enough for any key.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Fifo fifo(dir.filePath("f"));
    const QByteArray markups[][2] = {
        {"GameNo", "<b>12</b><h1>BIG</h1>"},
        {"GameNo", "<img src=f>"},
        {"GoalOrder", "<img src=f>"},
        {"Moves0", "<img src=\"f\">"},
    };
    for (const auto &[key, markup] : markups) {
        for (auto answer : {QMessageBox::Yes, QMessageBox::No}) {
            SCOPED_TRACE(key.toStdString() + "=" + markup.toStdString());
            KillOnFile(file);
            SetKept(file, key, markup);
            cQtSettings store(file);
            frmMain w(store);
            w.ExecDialog = Refuse;
            Boxes boxes(answer);
            w.Load();
            ASSERT_EQ(boxes.Shown.size(), answer == QMessageBox::Yes ? 2u : 1u);
            const QString number = key == "GameNo" ? QString::fromUtf8(markup) : QStringLiteral("123");
            EXPECT_EQ(boxes.Shown[0], "Continue the unfinished game " + number + "?");
            if (answer == QMessageBox::Yes) {
                EXPECT_TRUE(boxes.Shown[1].startsWith("The unfinished game " + number + " could not be brought back"));
                if (key != "Moves0") {
                    EXPECT_TRUE(boxes.Shown[1].contains(QString::fromUtf8(markup)));
                }
            }
            EXPECT_EQ(cRegistry(w.game().Settings).GetPlayerGames(1), 1);
            w.close();
            EXPECT_FALSE(fifo.Opened) << "the box loaded a file the kept game named";
            QFile::remove(file);
        }
    }

    // A player's name with markup: the statistics dialog and the title show it as it is.
    KillOnFile(file);
    cQtSettings store(file);
    cRegistry(store).SetPlayerName(1, "<b>Ann</b><img src=f>");
    GameOn on(store);
    on.TheGame.StartGame(5.0);
    EXPECT_EQ(on.View.Title, "Tabloo 3.0 [<b>Ann</b><img src=f>] [5]");
    frmStatistics stats(on.TheGame);
    stats.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stats));
    auto *label = stats.findChild<QLabel *>(QStringLiteral("lblPlayer"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), "Current Player : <b>Ann</b><img src=f>");
    stats.grab();
    EXPECT_FALSE(fifo.Opened) << "the label loaded a file the name named";
    QDir::setCurrent(before);
}

} // namespace
} // namespace tabloo::test
