// tabloo-fuzzkept [CASES [SEED]]
// Starts the real window (offscreen) on settings files whose kept game and players' records
// are hostile: random bytes, a kept game cut off anywhere, values of up to 10 MB, markup
// naming a FIFO, keys and sections written twice, numbers out of range. Each start answers
// the question yes or no at random, draws every message box and the statistics and players
// dialogs before it closes them, then closes the window. Prints what it found: crashes end
// the run with the case's number; starts over 2 s, games counted more than once, a FIFO
// opened, and a section the game has no part in not left byte for byte are counted.
// Exit status 0 when none was found.
#include "Game.h"
#include "cQtSettings.h"
#include "cSlotLocks.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace tabloo;

QByteArray ReadFile(const QString &name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString &name, const QByteArray &data) {
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

// A clock and random source of the tool's own, for the game that writes the first file.
struct FixedClock : IClock {
    std::int64_t NowSeconds() const override { return 1'000'000; }
};
struct HalfRandom : IRandomSource {
    void SeedFromClock() override {}
    double NextFraction() override { return 0.5; }
};

// A kept game as a killed program leaves it: game `number`, some moves played.
QByteArray KeptGame(const QString &dir, int number, std::mt19937 &rng) {
    const QString file = dir + QStringLiteral("/seed.ini");
    QFile::remove(file);
    {
        cQtSettings store(file);
        FixedClock clock;
        HalfRandom random;
        ITableView view;
        Game g(store, clock, random, view);
        g.EnsureFirstPlayer();
        tabloo::cRegistry(g.Settings).SetAutoplay(0);
        g.StartGame(static_cast<double>(number));
        for (int i = 0; i < 40; ++i) {
            const auto moves = g.LegalMoves();
            if (moves.empty())
                break;
            const LegalMove &m = moves[rng() % moves.size()];
            g.PlayMove(m.PicID, m.Target);
        }
    }
    const QByteArray text = ReadFile(file);
    const qsizetype at = text.indexOf("[Game]");
    if (at < 0)
        return {};
    const qsizetype end = text.indexOf("\n[", at);
    return text.mid(at, end < 0 ? -1 : end - at);
}

QByteArray RandomBytes(std::mt19937 &rng, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += static_cast<char>(rng() % 256);
    return b;
}

// One hostile change to the lines of a section.
QByteArray Spoil(QByteArray section, std::mt19937 &rng, const QByteArray &fifo) {
    QList<QByteArray> lines = section.split('\n');
    auto anyLine = [&]() -> QByteArray & { return lines[static_cast<qsizetype>(rng() % lines.size())]; };
    auto setValue = [&](const QByteArray &value) {
        QByteArray &line = anyLine();
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            line = line.left(eq + 1) + value;
    };
    const QByteArray markups[] = {
        "<b>12</b><h1>BIG</h1>", "<img src=\"" + fifo + "\">", "<img src=f>", "<a href=x>x</a>", "&lt;&amp;",
        "<table><tr><td>x"};
    switch (rng() % 9) {
    case 0: // random bytes in place of a value, or a whole line
        if (rng() % 2)
            setValue(RandomBytes(rng, static_cast<int>(rng() % 80)));
        else
            anyLine() = RandomBytes(rng, static_cast<int>(rng() % 200));
        break;
    case 1: { // cut off anywhere
        QByteArray whole = lines.join('\n');
        return whole.left(static_cast<qsizetype>(rng() % (whole.size() + 1)));
    }
    case 2: // a huge value
        setValue(QByteArray(static_cast<qsizetype>(1 + rng() % (10 << 20)), "79.<a"[rng() % 5]));
        break;
    case 3: // markup
        setValue(markups[rng() % std::size(markups)]);
        break;
    case 4: // a key written twice, the second differing
    {
        const QByteArray line = anyLine();
        lines.insert(static_cast<qsizetype>(rng() % (lines.size() + 1)),
                     line.left(line.indexOf('=') + 1) + QByteArray::number(static_cast<int>(rng() % 300) - 20));
        break;
    }
    case 5: // the section written twice
        return lines.join('\n') + "\n\n" + lines.join('\n');
    case 6: // numbers out of range
        setValue(QByteArray::number(static_cast<qlonglong>(rng()) * (rng() % 2 ? 1 : -1) * 1000003LL));
        break;
    case 7: // a line lost
        lines.removeAt(static_cast<qsizetype>(rng() % lines.size()));
        break;
    default: // bytes flipped
        for (int i = 0; i < 1 + static_cast<int>(rng() % 8); ++i) {
            QByteArray &line = anyLine();
            if (!line.isEmpty())
                line[static_cast<qsizetype>(rng() % line.size())] = static_cast<char>(rng() % 256);
        }
    }
    return lines.join('\n');
}

QByteArray PlayersSection() {
    return "[Players]\n1PlayerName=Ann\n1PlayerUID=4711\n1PlayerGames=10\n1PlayerWin=3\n1PlayerScore=900\n"
           "1PlayerMoves=1000\n2PlayerName=Bob\n2PlayerUID=815\n2PlayerGames=5\n2PlayerWin=1\n";
}

// The games counted over the players (a slot without a name is no player: the game makes
// a new first player there).
std::int64_t GamesCounted(ISettingsBackend &store) {
    cRegistry r(store);
    std::int64_t n = 0;
    for (std::int16_t slot = 1; slot <= cRegistry::kSlots; ++slot)
        if (!r.GetPlayerName(slot).empty())
            n += r.GetPlayerGames(slot);
    return n;
}

// The section the game has no part in, and the comments, in the order of the file.
QByteArray OtherSections(const QByteArray &file) {
    QByteArray out;
    bool keep = false;
    for (const QByteArray &line : file.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.startsWith('[') && t.endsWith(']'))
            keep = t == "[Other]";
        if ((keep || t.startsWith("; a comment")) && !t.isEmpty())
            out += line + '\n';
    }
    return out;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int cases = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("f"));
    mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QDir::setCurrent(dir.path());
    // A reader opening the FIFO would block for good: a writer stands ready, and counts.
    std::atomic<bool> done{false};
    std::atomic<int> fifoOpened{0};
    std::thread writer([&] {
        while (!done) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
            if (!done)
                ++fifoOpened;
            if (fd >= 0)
                ::close(fd);
        }
    });
    // A start that hangs for good ends the run, named.
    std::atomic<int> current{-1};
    std::atomic<qint64> caseStarted{0};
    QElapsedTimer clock;
    clock.start();
    std::thread watchdog([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (current >= 0 && clock.elapsed() - caseStarted > 30000) {
                std::fprintf(stderr, "case %d hangs (over 30 s)\n", current.load());
                std::_Exit(3);
            }
        }
    });

    std::mt19937 rng(seed);
    const QString file = dir.filePath(QStringLiteral("Tabloo.ini"));
    int slow = 0, countedTwice = 0, spoiledOthers = 0, kept = 0, offered = 0, told = 0, counted = 0;
    qint64 slowest = 0;
    for (int c = 0; c < cases; ++c) {
        // The file: the player's settings, a section of someone else's, the players and
        // a kept game, one or both of them spoiled (sometimes more than once).
        QByteArray players = PlayersSection(), game = KeptGame(dir.path(), static_cast<int>(rng() % 100000), rng);
        const int what = static_cast<int>(rng() % 3);
        for (int k = 0; k < 1 + static_cast<int>(rng() % 3); ++k) {
            if (what != 1)
                game = Spoil(game, rng, QFile::encodeName(fifo));
            if (what != 0)
                players = Spoil(players, rng, QFile::encodeName(fifo));
        }
        const QByteArray data = "[Data]\nAutoplay=0\nCurPlayerInx=1\n\n";
        const QByteArray other = "[Other]\n; a comment\nKey=<b>value</b>\n";
        QByteArray text = data + players + "\n\n" + game + "\n\n" + other;
        if (rng() % 4 == 0)
            text = data + other + "\n" + game + "\n" + players + "\n" + game;
        WriteFile(file, text);
        // The case about to run, kept where it can be looked at when it goes wrong.
        if (const char *dump = std::getenv("FUZZ_DUMP"))
            WriteFile(QString::fromLocal8Bit(dump), text);
        const QByteArray othersBefore = OtherSections(text);

        current = c;
        caseStarted = clock.elapsed();
        QElapsedTimer took;
        took.start();
        std::int64_t before = 0, after = 0;
        bool present = false;
        {
            cQtSettings store(file);
            before = GamesCounted(store);
            frmMain w(store);
            w.UseSlotLocks(std::make_unique<cSlotLocks>(file));
            present = w.game().HasKeptGame();
            // Every dialog is drawn once and closed.
            w.ExecDialog = [](QDialog &d) {
                d.show();
                d.grab();
                d.reject();
                return static_cast<int>(QDialog::Rejected);
            };
            const bool yes = rng() % 2;
            QTimer watch;
            watch.setInterval(0);
            QObject::connect(&watch, &QTimer::timeout, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box || !box->isVisible())
                    return;
                box->grab();
                if (box->button(QMessageBox::Yes))
                    ++offered;
                else
                    ++told;
                QAbstractButton *b = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
                (b ? b : box->button(QMessageBox::Ok))->click();
            });
            watch.start();
            w.resize(900, 700);
            w.Load();
            w.RunCommand(QStringLiteral("T5"));
            w.RunCommand(QStringLiteral("T3"));
            w.close();
            after = GamesCounted(store);
        }
        const qint64 ms = took.elapsed();
        current = -1;
        slowest = std::max(slowest, ms);
        kept += present;
        counted += static_cast<int>(after - before);
        if (ms > 2000) {
            ++slow;
            std::printf("case %d took %lld ms\n", c, static_cast<long long>(ms));
        }
        // The kept game counts once at most, and nothing counts when there was none.
        if (after - before > 1 || (!present && after != before)) {
            ++countedTwice;
            std::printf("case %d: games counted %lld -> %lld\n", c, static_cast<long long>(before),
                        static_cast<long long>(after));
        }
        if (std::getenv("FUZZ_SHOW") && present && after - before != 1)
            std::printf("case %d: kept, games counted %lld -> %lld\n%s\n", c, static_cast<long long>(before),
                        static_cast<long long>(after), text.left(600).constData());
        if (OtherSections(ReadFile(file)) != othersBefore) {
            ++spoiledOthers;
            std::printf("case %d: the other sections changed\n", c);
            if (std::getenv("FUZZ_SHOW"))
                std::printf("before:\n%s\nafter:\n%s\n", othersBefore.constData(),
                            OtherSections(ReadFile(file)).constData());
        }
        QFile::remove(file);
    }
    done = true;
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    watchdog.join();
    if (fd >= 0)
        ::close(fd);
    std::printf("cases %d kept games found %d offered %d messages %d games counted %d\n"
                "crashes 0 starts over 2 s %d slowest %lld ms counted twice %d FIFO opened %d "
                "other sections changed %d seconds %.1f\n",
                cases, kept, offered, told, counted, slow, static_cast<long long>(slowest), countedTwice,
                fifoOpened.load(), spoiledOthers, clock.elapsed() / 1000.0);
    return slow || countedTwice || fifoOpened || spoiledOthers ? 1 : 0;
}
