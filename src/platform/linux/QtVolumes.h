#pragma once

#include "platform/Volumes.h"

namespace tabwise {

// The mounted file systems as QStorageInfo reports them. Removable media are the volumes mounted
// under /media, /run/media or /mnt, where desktops and users put them.
class QtVolumes : public Volumes {
public:
    QList<Volume> mountedVolumes() const override;
    bool isReady(const Volume& volume) const override;
};

} // namespace tabwise
