// What every store of one settings file shares in this process (cQtSettings::Channel): the
// parsed copy of the file, the updates on their way to it, and the writer thread that puts
// them in the file under the lock file every copy of the game takes. Only the store's own
// sources include this.
#pragma once

#include "cQtSettings.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <ctime>
#include <sys/stat.h>

namespace tabloo {

namespace settings_file {

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
    Result TryAcquire();
    void Release();

private:
    // A lock left by a copy that is gone: its process is no more on this host, or it is so
    // old that no update can still be running.
    bool Stale() const;

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

    static FileStamp Of(const QByteArray &path);
    bool operator==(const FileStamp &o) const;
    // How long after its last change the file must be looked at before an unchanged look
    // proves that nothing changed since: file systems that keep whole seconds (or two, as
    // FAT does) may give a second change in the same tick the same times.
    std::int64_t GranularityNs() const {
        return Modified.tv_nsec == 0 && Changed.tv_nsec == 0 ? 2'000'000'000 : 50'000'000;
    }
    std::int64_t LastChangeNs() const;
};

// The clock the parsed copy's age is told by: real time, in nanoseconds, unless a test
// sets another (cQtSettings::SetClock).
std::int64_t RealNowNs();
extern std::atomic<std::int64_t (*)()> NowNs;

// The whole file; empty when it cannot be read.
QByteArray ReadWhole(const QString &file);
// Puts `data` in the file's place: written to a new file beside it, synced, renamed over
// the old one, and the folder synced, so that the name holds the old text or the new
// whatever happens, a power cut included.
bool ReplaceFile(const QString &file, const QByteArray &data);

} // namespace settings_file

struct cQtSettings::Channel {
    // An update on its way to the file.
    struct Batch {
        std::vector<Op> Ops;
        std::uint64_t Seq;
    };

    // Starts the writer.
    explicit Channel(const QString &file);
    // Lets the writer put every update waiting in the file, and stops it.
    ~Channel();

    // The writer: takes every update waiting, applies them in order to the file as it is
    // now, and puts the result in its place in one replacement.
    void Run();
    // Waits up to kLockWaitMs for another copy to let go of the lock, then goes ahead anyway
    // rather than hold the records back. Called without M held.
    void TakeLock();
    // The parsed copy of the file, read again when the file is no longer the one it was
    // taken from. Called with M held.
    const QHash<QString, QByteArray> *Section(const QString &section);
    // Takes the file's text as the parsed copy.
    void Parse(const QByteArray &data);

    const QString File;
    std::mutex M;
    std::condition_variable Work, Done;
    std::deque<Batch> Queue; // oldest first; the writer removes them once in the file
    std::uint64_t NextSeq = 1, Written = 0;
    bool Stop = false;
    settings_file::cLockFile Lock; // the writer's alone
    // The parsed copy.
    const QByteArray Path;
    bool Valid = false;
    settings_file::FileStamp Stamp;
    std::int64_t TakenNs = 0;
    QHash<QString, QHash<QString, QByteArray>> Sections;
    int Loads = 0, Replacements = 0;
    std::thread Writer;
};

namespace settings_file {

// One channel per file in this process: every store of the same file sees the others'
// updates before they reach it, and their writes take turns.
std::shared_ptr<cQtSettings::Channel> ChannelFor(const QString &file);

} // namespace settings_file

} // namespace tabloo
