#include "platform/linux/QtVolumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace tabwise {

namespace {

bool isRemovableMountPoint(const QString& rootPath)
{
    for (const char* place : { "/media/", "/run/media/", "/mnt/" }) {
        if (rootPath.startsWith(QLatin1String(place)))
            return true;
    }
    return false;
}

} // namespace

QList<Volume> QtVolumes::mountedVolumes() const
{
    QList<Volume> volumes { { Volume::Kind::Root, QStringLiteral("/"), QStringLiteral("/") } };
    const QString home = QDir::homePath();
    if (home != QLatin1String("/"))
        //: The drive list's entry for the user's home folder: "Home (/home/ann)"
        volumes.append({ Volume::Kind::Home, home, QCoreApplication::translate("Volumes", "Home (%1)").arg(home) });

    QList<Volume> removable;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = storage.rootPath();
        if (!isRemovableMountPoint(root))
            continue;
        const QString label = storage.displayName();
        //: The drive list's entry for a removable drive: its label, then where it is mounted ("STICK
        //: (/media/ann/STICK)")
        const QString name = QCoreApplication::translate("Volumes", "%1 (%2)").arg(label, root);
        removable.append({ Volume::Kind::Removable, root, label == root ? root : name });
    }
    std::sort(
        removable.begin(), removable.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return volumes + removable;
}

bool QtVolumes::isReady(const Volume& volume) const
{
    if (!QFileInfo(volume.rootPath).isDir())
        return false;
    const QStorageInfo storage(volume.rootPath);
    if (!storage.isValid() || !storage.isReady())
        return false;
    // A medium taken out leaves its mount point behind as an empty folder of another file system.
    return volume.kind != Volume::Kind::Removable || storage.rootPath() == volume.rootPath;
}

} // namespace tabwise
