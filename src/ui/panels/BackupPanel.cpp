#include "ui/panels/BackupPanel.h"

#include "core/backup/CopyPages.h"
#include "core/backup/CopyReportText.h"
#include "core/page/AtomicFile.h"
#include "core/settings/SettingsStore.h"
#include "platform/Platform.h"
#include "ui/common/Artwork.h"
#include "ui/common/Measures.h"
#include "ui/panels/DriveList.h"
#include "ui/panels/FolderList.h"

#include <QDateTime>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace tabwise {

namespace {

QString homeFolder(const Volumes& volumes)
{
    for (const Volume& volume : volumes.mountedVolumes()) {
        if (volume.kind == Volume::Kind::Home)
            return volume.rootPath;
    }
    return {};
}

} // namespace

BackupPanel::BackupPanel(Platform& platform, SettingsStore& settings, const QString& appFolder, QWidget* parent)
    : QGroupBox(tr("Backup your Notes"), parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_appFolder(appFolder)
    , m_drives(new DriveList(platform.volumes(), this))
    , m_folders(new FolderList(this))
    , m_backup(new QPushButton(tr("&Backup Now"), this))
    , m_restore(new QPushButton(tr("Restore &Now"), this))
    , m_newFolder(new QToolButton(this))
{
    setObjectName(QStringLiteral("backupPanel"));
    m_drives->setObjectName(QStringLiteral("driveList"));
    m_drives->setGeometry(twipsRect(this, measure::windowWidth, 120, 360, 3000, 315));
    //: What a screen reader calls the list of drives to back up onto
    m_drives->setAccessibleName(tr("Drive"));
    m_folders->setObjectName(QStringLiteral("folderList"));
    m_folders->setGeometry(twipsRect(this, measure::windowWidth, 120, 720, 3375, 990));
    //: What a screen reader calls the list of folders to back up into
    m_folders->setAccessibleName(tr("Folder"));
    m_backup->setObjectName(QStringLiteral("backupButton"));
    m_backup->setGeometry(twipsRect(this, measure::windowWidth, 3720, 960, 1215, 255));
    m_restore->setObjectName(QStringLiteral("restoreButton"));
    m_restore->setGeometry(twipsRect(this, measure::windowWidth, 3720, 1320, 1215, 255));
    widenToCaption(m_backup);
    widenToCaption(m_restore);
    // Beside the drive list, as in a file dialog: a new folder in the open one, named in place.
    m_newFolder->setObjectName(QStringLiteral("newFolderButton"));
    m_newFolder->setGeometry(twipsRect(this, measure::windowWidth, 3180, 360, 315, 315));
    m_newFolder->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    //: The button that makes a new folder in the open one
    m_newFolder->setToolTip(tr("New Folder"));
    m_newFolder->setAccessibleName(m_newFolder->toolTip());
    auto* picture = new QLabel(this);
    picture->setGeometry(twipsRect(this, measure::windowWidth, 4200, 240, 480, 480));
    picture->setPixmap(artwork(QStringLiteral("backup"), picture->size(), devicePixelRatioF()));

    connect(m_drives, &DriveList::currentIndexChanged, this, &BackupPanel::changeDrive);
    connect(m_folders, &FolderList::openFailed, this, &BackupPanel::reportOpenFailure);
    connect(m_backup, &QPushButton::clicked, this, &BackupPanel::backUp);
    connect(m_restore, &QPushButton::clicked, this, &BackupPanel::restore);
    connect(m_newFolder, &QToolButton::clicked, this, [this] {
        if (const QString error = m_folders->makeNewFolder(); !error.isEmpty())
            showError(tr("The new folder could not be made:\n\n%1").arg(error));
    });
    connect(m_folders, &FolderList::renameFailed, this,
        [this](const QString& error) { showError(tr("The folder could not be renamed:\n\n%1").arg(error)); });

    // Until a backup folder is known the lists show the selected drive, or failing that the root.
    if (m_folders->setPath(m_drives->volume().rootPath))
        m_folders->setPath(m_drives->rootDrive());
}

void BackupPanel::showStoredFolder()
{
    const QString folder = m_settings.read(Key::BackupDir);
    showFolder(folder.isEmpty() ? homeFolder(m_platform.volumes()) : folder);
}

bool BackupPanel::showFolder(const QString& folder)
{
    if (m_folders->setPath(folder))
        return false;
    m_drives->selectDriveOf(m_folders->path());
    return true;
}

void BackupPanel::changeDrive()
{
    const Volume chosen = m_drives->volume();
    if (!m_platform.volumes().isReady(chosen)) {
        showError(tr("The selected drive is not available."));
        // Back to the root file system; the change this makes moves the folder list there.
        m_drives->setDrive(m_drives->rootDrive());
        return;
    }
    if (const std::error_code error = m_folders->setPath(chosen.rootPath))
        reportOpenFailure(error.value(), QString::fromLocal8Bit(error.message()), chosen.rootPath);
}

void BackupPanel::reportOpenFailure(int errorNumber, const QString& description, const QString& folder)
{
    showError(QString::number(errorNumber) + QLatin1Char('\n') + description + QStringLiteral("\n\n")
        + QDir::toNativeSeparators(folder));
}

void BackupPanel::backUp()
{
    const int answer = m_platform.messages().show(
        this, tr("This will execute the backup now!\n\nConfirm?"), msgbox::YesNo | msgbox::Question);
    if (answer != msgbox::Yes)
        return;
    const QString folder = m_folders->path();
    const CopyOutcome outcome = copyPageFiles(m_appFolder, folder);
    if (!outcome.complete()) {
        showError(copyFailureText(CopyKind::Backup, outcome, m_appFolder, folder));
        return;
    }
    // Only a complete backup is remembered, as the folder with one separator added.
    if (!m_settings.write(Key::BackupDir, folder + QLatin1Char('/'))) {
        showError(
            tr("The backup is complete, but its folder could not be remembered:\n\n%1").arg(m_settings.lastError()));
        return;
    }
    const int copiedCount = int(outcome.copied.size());
    m_platform.messages().show(this,
        tr("Backed up %n page file(s) to %1.", nullptr, copiedCount).arg(QDir::toNativeSeparators(folder))
            + linksReplacedText(outcome),
        msgbox::OkOnly | msgbox::Information);
}

void BackupPanel::restore()
{
    const QString folder = m_folders->path();
    const int answer = m_platform.messages().show(this,
        tr("This will execute the restore now!\n\nThe pages are replaced by those in:\n%1\n\nConfirm?")
            .arg(QDir::toNativeSeparators(folder)),
        msgbox::YesNo | msgbox::Question);
    if (answer != msgbox::Yes)
        return;
    // The pages as they stand are kept first, so that a restore from the wrong folder loses nothing.
    // The folder's name is the same in every language, as every name the program gives a file.
    const QString keptIn = unusedPath(m_appFolder + QStringLiteral("/Before restore ")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmm")));
    const QString notKept = tr("The pages could not be kept before the restore, so nothing was restored.\n\n%1");
    if (const QString reason = makeFolder(keptIn); !reason.isEmpty()) {
        showError(notKept.arg(fileErrorText(keptIn, reason)));
        return;
    }
    const CopyOutcome kept = copyPageFiles(m_appFolder, keptIn);
    if (kept.refusal != CopyOutcome::Refusal::NoPageFiles && !kept.copiedAllThereWas()) {
        showError(notKept.arg(copyFailureText(CopyKind::Backup, kept, m_appFolder, keptIn)));
        return;
    }
    if (kept.copied.isEmpty())
        QDir().rmdir(keptIn);
    Q_EMIT aboutToRestore(folder);
    const CopyOutcome outcome = copyPageFiles(folder, m_appFolder, CopyInto::Pages);
    Q_EMIT restored(folder, outcome.copied);
    if (!outcome.complete()) {
        showError(copyFailureText(CopyKind::Restore, outcome, folder, m_appFolder));
        return;
    }
    const int restoredCount = int(outcome.copied.size());
    QString report
        = tr("Restored %n page file(s) from %1.", nullptr, restoredCount).arg(QDir::toNativeSeparators(folder));
    if (!kept.copied.isEmpty()) {
        //: %2 is the key that opens a page's history (Ctrl+H)
        report += QStringLiteral("\n\n")
            + tr("The pages as they were before are kept in:\n%1\nand in each page's history (History, %2).")
                  .arg(QDir::toNativeSeparators(keptIn),
                      QKeySequence(Qt::CTRL | Qt::Key_H).toString(QKeySequence::NativeText));
    }
    m_platform.messages().show(this, report, msgbox::OkOnly | msgbox::Information);
}

void BackupPanel::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
