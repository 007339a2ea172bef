#include "cQtSettingsChannel.h"
#include "SettingsText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <map>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tabloo {

namespace settings_file {

// How long the writer waits for a second copy of the game to finish its own update; after
// that it goes ahead anyway rather than hold the game's records back.
constexpr int kLockWaitMs = 3000;
// A lock file older than this belongs to a copy that hung or died on another machine.
constexpr int kStaleLockSeconds = 30;

cLockFile::Result cLockFile::TryAcquire() {
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

void cLockFile::Release() {
    if (Fd < 0)
        return;
    ::unlink(Path.constData());
    ::close(Fd);
    Fd = -1;
}

bool cLockFile::Stale() const {
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

FileStamp FileStamp::Of(const QByteArray &path) {
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

bool FileStamp::operator==(const FileStamp &o) const {
    auto same = [](const timespec &a, const timespec &b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return Exists == o.Exists && Device == o.Device && Inode == o.Inode && Size == o.Size &&
           same(Modified, o.Modified) && same(Changed, o.Changed);
}

std::int64_t FileStamp::LastChangeNs() const {
    const timespec &t =
        Changed.tv_sec > Modified.tv_sec || (Changed.tv_sec == Modified.tv_sec && Changed.tv_nsec > Modified.tv_nsec)
            ? Changed
            : Modified;
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

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

} // namespace settings_file

using namespace settings_file;

cQtSettings::Channel::Channel(const QString &file)
    : File(file), Lock(QFile::encodeName(file) + ".lock"), Path(QFile::encodeName(file)) {
    Writer = std::thread([this] { Run(); });
}

cQtSettings::Channel::~Channel() {
    {
        std::lock_guard l(M);
        Stop = true;
    }
    Work.notify_all();
    Writer.join();
    Lock.Release();
}

void cQtSettings::Channel::Run() {
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

void cQtSettings::Channel::TakeLock() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
    while (Lock.TryAcquire() == cLockFile::Busy && std::chrono::steady_clock::now() < deadline) {
        std::unique_lock l(M);
        Work.wait_for(l, std::chrono::milliseconds(5));
    }
}

const QHash<QString, QByteArray> *cQtSettings::Channel::Section(const QString &section) {
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

void cQtSettings::Channel::Parse(const QByteArray &data) {
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

} // namespace tabloo
