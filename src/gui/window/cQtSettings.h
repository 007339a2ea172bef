// The player's settings on this machine: an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Tabloo/Tabloo.ini on Linux), one [section] per section, in the format
// QSettings reads and writes. Nothing is cached: every read reads the file as it is now (a
// hand edit, or a second copy of the game), and every write reads, changes one line and
// replaces the file whole at once, under a lock file. An update holds that lock across its
// reads and writes and puts all its changes in the file at once, so two copies of the game
// never lose each other's results and a kill never leaves half an update behind. A value
// longer than any the game writes is read up to a limit (a megabyte) and no further.
#pragma once

#include "Platform.h"

#include <QString>

#include <memory>
#include <vector>

class QByteArray;
class QLockFile;

namespace tabloo {

class cQtSettings : public ISettingsBackend {
public:
    // The user's own store, organisation and application "Tabloo".
    cQtSettings();
    // A store kept in this INI file instead (for tools and tests).
    explicit cQtSettings(const QString &fileName);
    ~cQtSettings() override;
    const QString &FileName() const { return File; }

    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override;
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void RemoveSection(std::string_view app, std::string_view section) override;
    // An update's changes reach the file together, in one replacement of it, at its end.
    void BeginUpdate() override;
    void EndUpdate() override;

private:
    // A change to make: a key's new value, or a section gone.
    struct Op {
        QString Section, Key, Value;
        bool RemovesSection = false;
    };

    QByteArray Load() const;
    void Lock();
    void Unlock();
    void Change(const Op &op);
    static QByteArray Apply(QByteArray data, const Op &op);
    // Puts the changes waiting in the file, in one replacement of it.
    void Flush();

    QString File;
    std::vector<Op> Pending;
    std::unique_ptr<QLockFile> LockFile;
    int LockDepth = 0;
};

} // namespace tabloo
