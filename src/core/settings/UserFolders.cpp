#include "core/settings/UserFolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tabwise {

namespace {
QString xdgFolder(const char* variable, const char* fallback)
{
    const QString given = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(given))
        return QDir::cleanPath(given);
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback);
}
} // namespace

QString userConfigFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

QString userStateFolder()
{
    return xdgFolder("XDG_STATE_HOME", ".local/state");
}

QString userDataFolder()
{
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

QString folderId(const QString& appFolder)
{
    const QFileInfo folder(appFolder);
    const QString canonical = folder.canonicalFilePath().isEmpty() ? QDir::cleanPath(folder.absoluteFilePath())
                                                                   : folder.canonicalFilePath();
    return QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(20));
}

} // namespace tabwise
