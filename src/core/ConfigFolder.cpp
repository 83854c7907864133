#include "core/ConfigFolder.h"

#include <QDir>

namespace tabwise {

QString userConfigFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return QDir::cleanPath(configHome);
    return QDir::homePath() + QStringLiteral("/.config");
}

} // namespace tabwise
