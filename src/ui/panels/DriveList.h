#pragma once

#include "platform/Volumes.h"

#include <QComboBox>

namespace tabwise {

// The drive list of the backup frame: the volumes the user can browse, the root file system first.
// The list is read again each time it drops down, so a medium put in meanwhile shows up.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(const Volumes& volumes, QWidget* parent = nullptr);

    // The selected volume; a default Volume when the list is empty.
    Volume volume() const;
    // The root file system, where the lists fall back to.
    QString rootDrive() const;
    // Selects the volume with this root path; a change of selection raises currentIndexChanged.
    void setDrive(const QString& rootPath);
    // Quietly selects the volume that holds the folder (the one with the longest matching root).
    void selectDriveOf(const QString& folder);
    // Reads the volumes again, keeping the selection; the selected one stays listed even when gone.
    void refresh();
    void showPopup() override;

private:
    const Volumes& m_volumes;
    QList<Volume> m_listed;
};

} // namespace tabwise
