// The player's settings on this machine: an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Tabloo/Tabloo.ini on Linux), one [section] per section, in the format
// QSettings reads and writes. Nothing is cached: every read reads the file as it is now (a
// hand edit, or a second copy of the game), and every write reads, changes one line and
// replaces the file whole at once, under a lock file that a record update holds across its
// reads and writes, so two copies of the game never lose each other's results.
#pragma once

#include "Platform.h"

#include <QString>

#include <memory>

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

    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override;
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;
    void BeginUpdate() override;
    void EndUpdate() override;

    // The file the settings live in.
    QString FileName() const { return File; }

    // A value as the file holds it, and back: quotes and backslash escapes as QSettings
    // writes them; a value without quotes is the text it is (commas and all).
    static QString DecodeValue(const QByteArray &raw);
    static QByteArray EncodeValue(const QString &value);

private:
    QByteArray Load() const;
    bool Lock();
    void Unlock();

    QString File;
    std::unique_ptr<QLockFile> LockFile;
    int LockDepth = 0;
};

} // namespace tabloo
