#include "core/settings/SettingsStore.h"

#include "core/page/AtomicFile.h"
#include "core/settings/UserFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace tabwise {

namespace {
QString path(Key key)
{
    const KeyInfo& info = keyInfo(key);
    return QString::fromLatin1(info.section) + QLatin1Char('/') + QString::fromLatin1(info.name);
}
} // namespace

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QString SettingsStore::read(Key key) const
{
    m_settings->sync(); // reloads the file when another process changed it
    const QVariant value = m_settings->value(path(key));
    // A hand-edited value with an unquoted comma comes back as a list: keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

bool SettingsStore::contains(Key key) const
{
    m_settings->sync();
    return m_settings->contains(path(key));
}

bool SettingsStore::write(Key key, const QString& value)
{
    m_settings->setValue(path(key), value);
    m_settings->sync();
    if (m_settings->status() == QSettings::FormatError) {
        // A file QSettings could not parse is written out afresh in its own format, but QSettings
        // goes on reporting the first error it met for as long as it lives, so that every later
        // write would seem to fail too. A fresh reader of the file says whether this one worked.
        auto fresh = std::make_unique<QSettings>(m_settings->fileName(), QSettings::IniFormat);
        if (fresh->status() == QSettings::NoError && fresh->value(path(key)).toString() == value)
            m_settings = std::move(fresh);
    }
    if (m_settings->status() == QSettings::NoError) {
        m_lastError.clear();
        return true;
    }
    const QFileInfo file(m_settings->fileName());
    if (m_settings->status() == QSettings::AccessError) {
        // QSettings says only that it failed; a write of the same size tells why.
        const QString reason = writeFailureReason(file.absoluteFilePath(), file.size() + 4096);
        m_lastError = QCoreApplication::translate("Settings", "The settings file %1 cannot be written.")
                          .arg(file.absoluteFilePath())
            + (reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason);
    } else {
        m_lastError = QCoreApplication::translate("Settings", "The settings file %1 is not a valid settings file.")
                          .arg(file.absoluteFilePath());
    }
    return false;
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString SettingsStore::defaultPath()
{
    return userConfigFolder() + QStringLiteral("/Tabwise.ini");
}

} // namespace tabwise
