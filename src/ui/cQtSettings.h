// The player's settings on this machine: a QSettings INI file in the user's configuration
// folder ($XDG_CONFIG_HOME/Tabloo/Tabloo.ini on Linux), one group per section. Every write
// is synced to the file at once, so a crash loses nothing.
#pragma once

#include "Platform.h"

#include <QString>

#include <memory>

class QSettings;

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

    // The file the settings live in.
    QString FileName() const;

private:
    std::unique_ptr<QSettings> Store;
};

} // namespace tabloo
