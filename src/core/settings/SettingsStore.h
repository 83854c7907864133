#pragma once

#include "core/settings/SettingsKeys.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace tabwise {

// The per-user store of preferences: text values addressed by section and key, kept in an INI
// file. Every write reaches the file at once, and every read first picks up what another process
// may have written meanwhile. An absent key reads as the empty text.
class SettingsStore {
public:
    explicit SettingsStore(const QString& iniPath);

    QString read(Key key) const;
    bool contains(Key key) const;
    // False when the file could not be written; lastError() then says why.
    bool write(Key key, const QString& value);

    QString fileName() const;
    QString lastError() const { return m_lastError; }

    // The usual place: $XDG_CONFIG_HOME/Tabwise.ini (by default ~/.config/Tabwise.ini).
    static QString defaultPath();

private:
    mutable std::unique_ptr<QSettings> m_settings;
    QString m_lastError;
};

} // namespace tabwise
