// The player's settings on this machine: an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Tabloo/Tabloo.ini on Linux), one [section] per section, in the format
// QSettings reads and writes.
//
// Reads come from one parsed copy of the file, trusted only while the file's identity and
// times (device, inode, size, modification and change time) are those the copy was taken
// at, and never while the copy is younger than the file system's timestamp granularity: a
// hand edit, or a second copy of the game, counts at the next read, and an idle game reads
// no file.
//
// Writes reach the file from a writer thread, so the window never waits on the disk nor on
// another copy of the game: an update (a key, or all the changes between BeginUpdate and
// EndUpdate) is read afresh, changed and written to a new file under the lock file, synced,
// and put in the old one's place in one rename. A count is changed by an addition, made
// there on the file as it is then, so that two copies counting at once both count. A kill finds either the old file or
// the new, never half an update; a power cut may take what the writer had not yet synced (a move or two of a running
// game), but an update marked with KeepSafe (a game's record) is on the disk before its
// EndUpdate returns. Until an update reaches the file, reads see it as written. A value
// longer than any the game writes is read up to a limit (a megabyte) and no further.
#pragma once

#include "Platform.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace tabloo {

class cQtSettings : public ISettingsBackend {
public:
    // The user's own store, organisation and application "Tabloo".
    cQtSettings();
    // A store kept in this INI file instead (for tools and tests).
    explicit cQtSettings(const QString &fileName);
    // Waits for the writer to put every update in the file.
    ~cQtSettings() override;
    const QString &FileName() const { return File; }

    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override;
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void RemoveSection(std::string_view app, std::string_view section) override;
    void Add(std::string_view app, std::string_view section, std::string_view key, std::int64_t delta, std::int64_t lo,
             std::int64_t hi) override;
    // An update's changes reach the file together, in one replacement of it, after its end.
    void BeginUpdate() override;
    void EndUpdate() override;
    void KeepSafe() override;

    // Returns once every update made so far is in the file and on the disk.
    void Settle();
    // How many times the file has been read and parsed, and replaced (for tests and tools).
    int Loads() const;
    int Replacements() const;
    // The clock the parsed copy's age is told by, in nanoseconds of real time (for tests;
    // null puts the real one back).
    static void SetClock(std::int64_t (*nowNs)());

    // A change to make: a key's new value, an addition to the count it holds, or a section
    // gone.
    struct Op {
        QString Section, Key, Value;
        bool RemovesSection = false;
        bool Adds = false;
        std::int64_t Delta = 0, Lo = 0, Hi = 0;
    };
    // One file's parsed copy, writer thread and lock, shared by every store of this process
    // that keeps that file.
    struct Channel;

private:
    void Change(const Op &op);

    QString File;
    std::shared_ptr<Channel> Chan;
    std::vector<Op> Pending;
    int Depth = 0;
    bool Safe = false;
};

} // namespace tabloo
