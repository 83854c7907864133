// Backup and restore of the page files.
#include "shell/Form1.h"

#include "backup/CopyPages.h"
#include "backup/CopyReportText.h"
#include "backup/DriveList.h"
#include "backup/FolderList.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

#include <QPushButton>

namespace tabwise {

namespace {

QString confirmation(const char* sentence)
{
    return QLatin1String(sentence) + QStringLiteral("\n\n") + QStringLiteral("Confirm?");
}

} // namespace

void Form1::connectBackupHandlers()
{
    connect(Drive1, &DriveList::currentIndexChanged, this, &Form1::Drive1_Change);
    connect(Dir1, &FolderList::openFailed, this, &Form1::Dir1_OpenFailed);
    connect(cmdbackup, &QPushButton::clicked, this, &Form1::cmdbackup_Click);
    connect(cmdrestore, &QPushButton::clicked, this, &Form1::cmdrestore_Click);

    // Until a backup folder is known the lists show the selected drive, or failing that the root.
    if (Dir1->setPath(Drive1->volume().rootPath))
        Dir1->setPath(Drive1->rootDrive());
}

void Form1::cmdbackup_Click()
{
    const int answer = m_platform.messages().show(
        this, confirmation("This will execute the backup now!"), msgbox::YesNo | msgbox::Question);
    if (answer != msgbox::Yes)
        return;
    const QString folder = Dir1->path();
    const CopyOutcome outcome = copyPageFiles(m_appFolder, folder);
    if (!outcome.complete()) {
        showError(copyFailureText(CopyKind::Backup, outcome, m_appFolder, folder));
        return;
    }
    // Only a complete backup is remembered, as the folder with one separator added.
    if (!m_settings.write(Key::BackupDir, folder + QLatin1Char('/')))
        showError(QStringLiteral("The backup is complete, but its folder could not be remembered:\n\n")
            + m_settings.lastError());
}

void Form1::cmdrestore_Click()
{
    const int answer = m_platform.messages().show(
        this, confirmation("This will execute the restore now!"), msgbox::YesNo | msgbox::Question);
    if (answer != msgbox::Yes)
        return;
    const QString folder = Dir1->path();
    const CopyOutcome outcome = copyPageFiles(folder, m_appFolder);
    reloadPageAfterRestore(outcome.copied);
    if (!outcome.complete())
        showError(copyFailureText(CopyKind::Restore, outcome, folder, m_appFolder));
}

} // namespace tabwise
