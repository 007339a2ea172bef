#include "cQtSettings.h"
#include "mText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabloo {

// The file's own helpers. Named, not anonymous, since the channel below keeps some of them.
namespace settings_file {

// How long the writer waits for a second copy of the game to finish its own update; after
// that it goes ahead anyway rather than hold the game's records back.
constexpr int kLockWaitMs = 3000;
// A lock file older than this belongs to a copy that hung or died on another machine.
constexpr int kStaleLockSeconds = 30;

// The longest value a read hands on, in bytes as the file holds it. The game's own longest
// (a player's name of the longest the name box takes, every character escaped) is a fifth
// of it; a longer value is none the game wrote, and only its start is read, so that a huge
// value in a broken or hostile file costs no more than this.
constexpr qsizetype kLongestValue = 1 << 20;

// A section or key name as the file holds it: characters other than letters, digits and a
// few signs are written %XX (QSettings' way); read back the same way.
QString DecodeName(QByteArrayView raw) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(raw.trimmed().toByteArray()));
}

QByteArray EncodeName(const QString &name) { return name.toUtf8().toPercentEncoding(); }

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// One line of the file: a [section] header, a key=value line, or anything else (blank,
// comment), kept as it is.
struct Line {
    QByteArrayView Text;
    bool IsSection = false;
    QString Name; // the section's, or the key's
    QByteArrayView Value;
};

Line Parse(QByteArrayView text) {
    Line line;
    line.Text = text;
    const QByteArrayView t = text.trimmed();
    if (t.startsWith('[') && t.endsWith(']')) {
        line.IsSection = true;
        line.Name = DecodeName(t.sliced(1, t.size() - 2));
    } else if (!t.isEmpty() && t.front() != ';' && t.front() != '#') {
        const qsizetype eq = t.indexOf('=');
        if (eq > 0) {
            line.Name = DecodeName(t.first(eq));
            line.Value = t.sliced(eq + 1);
        }
    }
    return line;
}

// Calls `visit(line, sectionMatches)` for every line, in order.
template <typename Visit> void ForEachLine(const QByteArray &data, const QString &section, Visit visit) {
    bool inSection = false;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArrayView text(data.constData() + start, end - start);
        if (text.endsWith('\r'))
            text.chop(1);
        const Line line = Parse(text);
        if (line.IsSection)
            inSection = line.Name == section;
        visit(line, inSection, start, end);
        start = end + 1;
    }
}

// A value as the file holds it, and back: quotes and backslash escapes as QSettings
// writes them; a value without quotes is the text it is (commas and all).
QString DecodeValue(const QByteArray &raw) {
    const QString s = QString::fromUtf8(raw).trimmed();
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    // "@@" stands for one "@" (QSettings keeps a lone "@" for values of its own types).
    if (s.startsWith(QLatin1String("@@")))
        i = 1;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"')
            continue; // quotes only protect what they hold
        if (c != u'\\' || i + 1 == s.size()) {
            out += c;
            continue;
        }
        const QChar e = s[++i];
        switch (e.unicode()) {
        case 'a':
            out += QChar(7);
            break;
        case 'b':
            out += QChar(8);
            break;
        case 'f':
            out += QChar(12);
            break;
        case 'n':
            out += QChar(10);
            break;
        case 'r':
            out += QChar(13);
            break;
        case 't':
            out += QChar(9);
            break;
        case 'v':
            out += QChar(11);
            break;
        case 'x': {
            uint code = 0;
            for (int digits = 0; digits < 4 && i + 1 < s.size(); ++digits) {
                const int d = HexDigit(s[i + 1]);
                if (d < 0)
                    break;
                code = code * 16 + static_cast<uint>(d);
                ++i;
            }
            out += QChar(static_cast<char16_t>(code));
            break;
        }
        default:
            out += e; // \\ \" \' \? and anything else: the character itself
        }
    }
    return out;
}

QByteArray EncodeValue(const QString &value) {
    bool plain = !value.isEmpty() && !value.front().isSpace() && !value.back().isSpace() && !value.startsWith(u'@') &&
                 !value.startsWith(u'#') && !value.startsWith(u'[');
    for (QChar c : value)
        if (c.unicode() < 0x20 || c == u'"' || c == u'\\' || c == u',' || c == u';' || c == u'=')
            plain = false;
    if (plain || value.isEmpty())
        return value.toUtf8();
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out.toUtf8();
}

// The first [section] of that name: from its header to the end of its last line that is
// not blank, before the next section starts; false when there is none.
bool FirstSection(const QByteArray &data, const QString &section, qsizetype &start, qsizetype &end) {
    start = end = -1;
    bool passed = false;
    ForEachLine(data, section, [&](const Line &line, bool inSection, qsizetype lineStart, qsizetype lineEnd) {
        if (passed || !inSection) {
            passed = start >= 0;
            return;
        }
        if (start < 0)
            start = lineStart;
        if (!line.Text.trimmed().isEmpty())
            end = std::min<qsizetype>(lineEnd + 1, data.size());
    });
    return start >= 0;
}

bool IsBlank(QByteArrayView line) { return line.trimmed().isEmpty(); }

// Where the blank lines that start at `from` (the start of a line) end.
qsizetype SkipBlankLines(const QByteArray &data, qsizetype from) {
    while (from < data.size()) {
        qsizetype end = data.indexOf('\n', from);
        end = end < 0 ? data.size() : end + 1;
        if (!IsBlank(QByteArrayView(data).sliced(from, end - from)))
            break;
        from = end;
    }
    return from;
}

// Where the blank lines that end at `to` (the start of a line) begin; never before the
// end of the line that ends the last text, so that line keeps its line break.
qsizetype BlankLinesBefore(const QByteArray &data, qsizetype to) {
    while (to > 0) {
        const qsizetype start = to < 2 ? 0 : data.lastIndexOf('\n', to - 2) + 1;
        if (!IsBlank(QByteArrayView(data).sliced(start, to - start)))
            break;
        to = start;
    }
    return to;
}

// The lock file every copy of the game takes before it changes the settings file, in the
// form QLockFile writes (process id, application, host), so that copies old and new take
// turns. Taking it writes a few bytes and syncs nothing.
class cLockFile {
public:
    explicit cLockFile(QByteArray path) : Path(std::move(path)) {}
    ~cLockFile() { Release(); }
    bool Held() const { return Fd >= 0; }

    // Takes the lock when no other copy holds it: Taken, Busy (another copy holds it), or
    // Failed (the folder cannot hold a lock file). A lock left by a copy that is gone is
    // taken over.
    enum Result { Taken, Busy, Failed };
    Result TryAcquire() {
        for (;;) {
            Fd = ::open(Path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (Fd >= 0) {
                char host[256] = {};
                gethostname(host, sizeof host - 1);
                const QByteArray text = QByteArray::number(getpid()) + "\nTabloo\n" + host + '\n';
                [[maybe_unused]] const ssize_t n = ::write(Fd, text.constData(), static_cast<size_t>(text.size()));
                flock(Fd, LOCK_EX | LOCK_NB);
                return Taken;
            }
            if (errno != EEXIST)
                return Failed;
            if (!Stale())
                return Busy;
            ::unlink(Path.constData());
        }
    }

    void Release() {
        if (Fd < 0)
            return;
        ::unlink(Path.constData());
        ::close(Fd);
        Fd = -1;
    }

private:
    // A lock left by a copy that is gone: its process is no more on this host, or it is so
    // old that no update can still be running.
    bool Stale() const {
        struct stat st;
        if (::stat(Path.constData(), &st) != 0)
            return false; // gone meanwhile: the next try takes it
        if (std::time(nullptr) - st.st_mtime > kStaleLockSeconds)
            return true;
        QFile f(QFile::decodeName(Path));
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QList<QByteArray> lines = f.read(512).split('\n');
        if (lines.size() < 3)
            return false; // still being written
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        bool ok = false;
        const qint64 pid = lines[0].toLongLong(&ok);
        return ok && pid > 0 && lines[2] == host && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    }

    QByteArray Path;
    int Fd = -1;
};

// A file's identity and times, as far as they tell a change.
struct FileStamp {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    timespec Modified{}, Changed{};

    static FileStamp Of(const QByteArray &path) {
        FileStamp s;
        struct stat st;
        if (::stat(path.constData(), &st) != 0)
            return s;
        s.Exists = true;
        s.Device = st.st_dev;
        s.Inode = st.st_ino;
        s.Size = st.st_size;
        s.Modified = st.st_mtim;
        s.Changed = st.st_ctim;
        return s;
    }
    bool operator==(const FileStamp &o) const {
        auto same = [](const timespec &a, const timespec &b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
        return Exists == o.Exists && Device == o.Device && Inode == o.Inode && Size == o.Size &&
               same(Modified, o.Modified) && same(Changed, o.Changed);
    }
    // How long after its last change the file must be looked at before an unchanged look
    // proves that nothing changed since: file systems that keep whole seconds (or two, as
    // FAT does) may give a second change in the same tick the same times.
    std::int64_t GranularityNs() const {
        return Modified.tv_nsec == 0 && Changed.tv_nsec == 0 ? 2'000'000'000 : 50'000'000;
    }
    std::int64_t LastChangeNs() const {
        const timespec &t = Changed.tv_sec > Modified.tv_sec ||
                                    (Changed.tv_sec == Modified.tv_sec && Changed.tv_nsec > Modified.tv_nsec)
                                ? Changed
                                : Modified;
        return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
};

std::int64_t RealNowNs() {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::atomic<std::int64_t (*)()> NowNs{RealNowNs};

QByteArray ReadWhole(const QString &file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Puts `data` in the file's place: written to a new file beside it, synced, renamed over
// the old one, and the folder synced, so that the name holds the old text or the new
// whatever happens, a power cut included.
bool ReplaceFile(const QString &file, const QByteArray &data) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray path = QFile::encodeName(file);
    const QByteArray temp = path + ".new" + QByteArray::number(getpid());
    ::unlink(temp.constData()); // left by a copy killed while writing, with our process id
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old;
    if (::stat(path.constData(), &old) == 0)
        fchmod(fd, old.st_mode & 07777);
    bool ok = true;
    for (qsizetype done = 0; ok && done < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n > 0)
            done += n;
        else
            ok = n < 0 && errno == EINTR;
    }
    ok = ok && fdatasync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.constData(), path.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    const int dir =
        ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace settings_file

using namespace settings_file;

struct cQtSettings::Channel {
    // An update on its way to the file.
    struct Batch {
        std::vector<Op> Ops;
        std::uint64_t Seq;
    };

    explicit Channel(const QString &file)
        : File(file), Lock(QFile::encodeName(file) + ".lock"), Path(QFile::encodeName(file)) {
        Writer = std::thread([this] { Run(); });
    }
    ~Channel() {
        {
            std::lock_guard l(M);
            Stop = true;
        }
        Work.notify_all();
        Writer.join();
        Lock.Release();
    }

    // The writer: takes every update waiting, applies them in order to the file as it is
    // now, and puts the result in its place in one replacement.
    void Run() {
        std::unique_lock l(M);
        for (;;) {
            Work.wait(l, [&] { return Stop || !Queue.empty(); });
            if (Queue.empty())
                return; // stopped, with nothing left to write
            std::vector<Op> ops;
            for (const Batch &b : Queue)
                ops.insert(ops.end(), b.Ops.begin(), b.Ops.end());
            const std::size_t taken = Queue.size();
            const std::uint64_t last = Queue.back().Seq;
            l.unlock();
            // Only this thread takes the lock: the window never waits for another copy.
            QDir().mkpath(QFileInfo(File).absolutePath());
            TakeLock();
            QByteArray data = ReadWhole(File);
            for (const Op &op : ops)
                data = Apply(std::move(data), op);
            ReplaceFile(File, data);
            Lock.Release();
            l.lock();
            ++Replacements;
            Queue.erase(Queue.begin(), Queue.begin() + static_cast<std::ptrdiff_t>(taken));
            Written = last;
            Done.notify_all();
        }
    }

    // Waits up to kLockWaitMs for another copy to let go of the lock, then goes ahead anyway
    // rather than hold the records back. Called without M held.
    void TakeLock() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
        while (Lock.TryAcquire() == cLockFile::Busy && std::chrono::steady_clock::now() < deadline) {
            std::unique_lock l(M);
            Work.wait_for(l, std::chrono::milliseconds(5));
        }
    }

    // The parsed copy of the file, read again when the file is no longer the one it was
    // taken from. Called with M held.
    const QHash<QString, QByteArray> *Section(const QString &section) {
        const FileStamp now = FileStamp::Of(Path);
        if (!Valid || !(now == Stamp) || TakenNs - now.LastChangeNs() < now.GranularityNs()) {
            TakenNs = NowNs.load()();
            Stamp = FileStamp::Of(Path);
            Parse(ReadWhole(File));
            Valid = true;
        }
        auto it = Sections.constFind(section);
        return it == Sections.constEnd() ? nullptr : &*it;
    }

    void Parse(const QByteArray &data) {
        ++Loads;
        Sections.clear();
        QHash<QString, QByteArray> *current = nullptr;
        ForEachLine(data, QString(), [&](const Line &line, bool, qsizetype, qsizetype) {
            if (line.IsSection)
                current = &Sections[line.Name];
            else if (current && !line.Name.isEmpty())
                // The last of two lines counts; of a value, no more than kLongestValue.
                current->insert(line.Name, line.Value.first(std::min(line.Value.size(), kLongestValue)).toByteArray());
        });
    }

    static QByteArray Apply(QByteArray data, const Op &op);

    const QString File;
    std::mutex M;
    std::condition_variable Work, Done;
    std::deque<Batch> Queue; // oldest first; the writer removes them once in the file
    std::uint64_t NextSeq = 1, Written = 0;
    bool Stop = false;
    cLockFile Lock; // the writer's alone
    // The parsed copy.
    const QByteArray Path;
    bool Valid = false;
    FileStamp Stamp;
    std::int64_t TakenNs = 0;
    QHash<QString, QHash<QString, QByteArray>> Sections;
    int Loads = 0, Replacements = 0;
    std::thread Writer;
};

namespace {

// One channel per file in this process: every store of the same file sees the others'
// updates before they reach it, and their writes take turns.
std::shared_ptr<cQtSettings::Channel> ChannelFor(const QString &file) {
    static std::mutex m;
    static std::map<QString, std::weak_ptr<cQtSettings::Channel>> channels;
    const QString key = QFileInfo(file).absoluteFilePath();
    std::lock_guard l(m);
    std::shared_ptr<cQtSettings::Channel> c = channels[key].lock();
    if (!c) {
        c = std::make_shared<cQtSettings::Channel>(key);
        channels[key] = c;
    }
    return c;
}

} // namespace

cQtSettings::cQtSettings()
    : cQtSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Tabloo/Tabloo.ini")) {}

cQtSettings::cQtSettings(const QString &fileName) : File(fileName), Chan(ChannelFor(fileName)) {}

cQtSettings::~cQtSettings() {
    while (Depth > 0)
        EndUpdate();
    Settle();
}

void cQtSettings::BeginUpdate() { ++Depth; }

void cQtSettings::EndUpdate() {
    if (Depth == 0 || --Depth > 0)
        return;
    std::unique_lock l(Chan->M);
    if (Pending.empty()) {
        Safe = false;
        return;
    }
    const std::uint64_t seq = Chan->NextSeq++;
    Chan->Queue.push_back({std::move(Pending), seq});
    Pending.clear();
    Chan->Work.notify_one();
    if (std::exchange(Safe, false))
        Chan->Done.wait(l, [&] { return Chan->Written >= seq; });
}

void cQtSettings::SetClock(std::int64_t (*nowNs)()) { NowNs = nowNs ? nowNs : RealNowNs; }

void cQtSettings::KeepSafe() { Safe = Depth > 0; }

void cQtSettings::Settle() {
    std::unique_lock l(Chan->M);
    const std::uint64_t last = Chan->NextSeq - 1;
    Chan->Done.wait(l, [&] { return Chan->Written >= last; });
}

int cQtSettings::Loads() const {
    std::lock_guard l(Chan->M);
    return Chan->Loads;
}

int cQtSettings::Replacements() const {
    std::lock_guard l(Chan->M);
    return Chan->Replacements;
}

// The game has one application, "Tabloo", and the file is already its own: `app` names
// nothing further.
bool cQtSettings::Read(std::string_view, std::string_view section, std::string_view key, std::string &value) const {
    const QString s = ToQString(section), k = ToQString(key);
    // What is written and not yet in the file counts first: this update's, then those on
    // their way to the file, the newest first. Additions count on the value they follow.
    std::vector<const Op *> adds; // the newest first
    auto find = [&](const std::vector<Op> &ops) -> int {
        for (auto op = ops.rbegin(); op != ops.rend(); ++op) {
            if (op->Section != s || (!op->RemovesSection && op->Key != k))
                continue;
            if (op->RemovesSection)
                return 0;
            if (op->Adds) {
                adds.push_back(&*op);
                continue;
            }
            value = op->Value.toStdString();
            return 1;
        }
        return -1;
    };
    auto result = [&](bool found) {
        if (adds.empty())
            return found;
        std::string sum = value;
        for (auto a = adds.rbegin(); a != adds.rend(); ++a, found = true)
            sum = std::to_string(AddWithin(found ? &sum : nullptr, (*a)->Delta, (*a)->Lo, (*a)->Hi));
        value = std::move(sum);
        return true;
    };
    if (const int found = find(Pending); found >= 0)
        return result(found == 1);
    // The additions found so far point into the updates on their way: fold them before the
    // writer takes those.
    std::lock_guard l(Chan->M);
    for (auto b = Chan->Queue.rbegin(); b != Chan->Queue.rend(); ++b)
        if (const int found = find(b->Ops); found >= 0)
            return result(found == 1);
    const QHash<QString, QByteArray> *keys = Chan->Section(s);
    auto it = keys ? keys->constFind(k) : QHash<QString, QByteArray>::const_iterator();
    if (!keys || it == keys->constEnd())
        return result(false);
    value = DecodeValue(*it).toStdString(); // at most kLongestValue of it: see Parse
    return result(true);
}

void cQtSettings::Write(std::string_view, std::string_view section, std::string_view key, std::string_view value) {
    Change({ToQString(section), ToQString(key), ToQString(value), false});
}

void cQtSettings::Add(std::string_view, std::string_view section, std::string_view key, std::int64_t delta,
                      std::int64_t lo, std::int64_t hi) {
    Op op{ToQString(section), ToQString(key), {}, false};
    op.Adds = true;
    op.Delta = delta;
    op.Lo = lo;
    op.Hi = hi;
    Change(op);
}

void cQtSettings::RemoveSection(std::string_view, std::string_view section) {
    Change({ToQString(section), {}, {}, true});
}

void cQtSettings::Change(const Op &op) {
    // Within an update every change waits for its end, so that the file takes them all
    // at once (a record and the removal of the game it counts, say).
    // A key written again before then keeps its place and takes the new value.
    BeginUpdate();
    auto same = std::find_if(Pending.rbegin(), Pending.rend(), [&](const Op &o) {
        return o.Section == op.Section && (o.RemovesSection || o.Key == op.Key);
    });
    if (!op.RemovesSection && !op.Adds && same != Pending.rend() && !same->RemovesSection && !same->Adds)
        same->Value = op.Value;
    else
        Pending.push_back(op);
    EndUpdate();
}

QByteArray cQtSettings::Channel::Apply(QByteArray data, const Op &op) {
    if (op.Adds) {
        // The sum of the count as the file holds it now (its last line counts, as in a read).
        std::optional<std::string> now;
        ForEachLine(data, op.Section, [&](const Line &line, bool inSection, qsizetype, qsizetype) {
            if (inSection && !line.IsSection && line.Name == op.Key)
                now = DecodeValue(line.Value.first(std::min(line.Value.size(), kLongestValue)).toByteArray())
                          .toStdString();
        });
        Op set{op.Section, op.Key, QString::number(AddWithin(now ? &*now : nullptr, op.Delta, op.Lo, op.Hi))};
        return Apply(std::move(data), set);
    }
    if (op.RemovesSection) {
        // Every [section] of that name goes, with its lines, one at a time.
        // The blank lines after it go too, so that the sections round it keep the one
        // blank line between them that was there before; a section that ends the file
        // takes the blank lines before it instead. A game kept and removed again and
        // again leaves the file as it was.
        qsizetype start, end;
        while (FirstSection(data, op.Section, start, end)) {
            end = SkipBlankLines(data, end);
            if (end == data.size())
                start = BlankLinesBefore(data, start);
            data.remove(start, end - start);
        }
        return data;
    }
    // The key's own line is replaced; a new key goes at the end of its section, a new
    // section at the end of the file. Every other line stays as it was.
    qsizetype keyStart = -1, keyEnd = -1, sectionEnd = -1;
    ForEachLine(data, op.Section, [&](const Line &line, bool inSection, qsizetype start, qsizetype end) {
        if (!inSection)
            return;
        if (!line.IsSection && line.Name == op.Key)
            keyStart = start, keyEnd = end;
        if (!line.Text.trimmed().isEmpty())
            sectionEnd = std::min<qsizetype>(end + 1, data.size());
    });
    const QByteArray entry = EncodeName(op.Key) + '=' + EncodeValue(op.Value);
    if (keyStart >= 0)
        return data.left(keyStart) + entry + data.mid(keyEnd);
    if (sectionEnd >= 0) {
        QByteArray head = data.left(sectionEnd);
        if (!head.endsWith('\n'))
            head += '\n';
        return head + entry + '\n' + data.mid(sectionEnd);
    }
    if (!data.isEmpty() && !data.endsWith('\n'))
        data += '\n';
    // One blank line before the new section, unless the file ends with one already.
    if (!data.isEmpty() && BlankLinesBefore(data, data.size()) == data.size())
        data += '\n';
    return data + '[' + EncodeName(op.Section) + "]\n" + entry + '\n';
}

} // namespace tabloo
