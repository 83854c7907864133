#include "core/captions/VersionText.h"

#include "version.h"

#include <QCoreApplication>

namespace tabwise {

QString versionText(int major, int minor, int revision)
{
    //: The program's version in the About panel: major, minor and revision number ("Version 1.0.10")
    return QCoreApplication::translate("Titles", "Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString buildVersionText()
{
    return versionText(version::major, version::minor, version::revision);
}

} // namespace tabwise
