#include "core/captions/VersionText.h"

#include "version.h"

namespace tabwise {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString buildVersionText()
{
    return versionText(version::major, version::minor, version::revision);
}

} // namespace tabwise
