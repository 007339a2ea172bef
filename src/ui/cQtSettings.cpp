#include "cQtSettings.h"

#include <QSettings>

namespace tabloo {

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The full key "Section/Key": the section is the INI group.
QString Address(std::string_view section, std::string_view key) { return Text(section) + u'/' + Text(key); }

} // namespace

cQtSettings::cQtSettings()
    : Store(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tabloo"),
                                        QStringLiteral("Tabloo"))) {}

cQtSettings::cQtSettings(const QString &fileName)
    : Store(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

cQtSettings::~cQtSettings() = default;

// The game has one application, "Tabloo", and the file is already its own: `app` names
// nothing further.
bool cQtSettings::Read(std::string_view, std::string_view section, std::string_view key, std::string &value) const {
    const QString address = Address(section, key);
    if (!Store->contains(address))
        return false;
    value = Store->value(address).toString().toStdString();
    return true;
}

void cQtSettings::Write(std::string_view, std::string_view section, std::string_view key, std::string_view value) {
    Store->setValue(Address(section, key), Text(value));
    Store->sync();
}

QString cQtSettings::FileName() const { return Store->fileName(); }

} // namespace tabloo
