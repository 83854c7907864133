#pragma once

#include <QList>
#include <QString>

namespace tabwise {

// A place the drive list offers to browse: the root file system, the home folder or a mounted
// removable medium.
struct Volume {
    enum class Kind { Root, Home, Removable };
    Kind kind = Kind::Root;
    QString rootPath; // the folder the folder list opens when the volume is chosen
    QString name; // what the drive list shows
};

// The volumes the user can browse, and whether one can be read right now.
class Volumes {
public:
    virtual ~Volumes() = default;
    // The root file system first, then the home folder, then removable media.
    virtual QList<Volume> mountedVolumes() const = 0;
    // False when the volume has gone (a medium taken out, a device unmounted) or holds no medium.
    virtual bool isReady(const Volume& volume) const = 0;
};

} // namespace tabwise
