// The drive and folder lists of the backup frame.
#include "shell/Form1.h"

#include "backup/DriveList.h"
#include "backup/FolderList.h"
#include "platform/Platform.h"

namespace tabwise {

void Form1::Drive1_Change()
{
    const Volume chosen = Drive1->volume();
    if (!m_platform.volumes().isReady(chosen)) {
        showError(QStringLiteral("The selected drive is not available."));
        // Back to the root file system; the change this makes moves the folder list there.
        Drive1->setDrive(Drive1->rootDrive());
        return;
    }
    if (const std::error_code error = Dir1->setPath(chosen.rootPath))
        Dir1_OpenFailed(error.value(), QString::fromLocal8Bit(error.message()));
}

void Form1::Dir1_OpenFailed(int errorNumber, const QString& description)
{
    showError(QString::number(errorNumber) + QLatin1Char('\n') + description);
}

bool Form1::showBackupFolder(const QString& folder)
{
    if (Dir1->setPath(folder))
        return false;
    Drive1->selectDriveOf(Dir1->path());
    return true;
}

} // namespace tabwise
