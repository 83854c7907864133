#pragma once

#include <QGroupBox>

class QLabel;
class QPushButton;
class QToolButton;

namespace tabwise {

class DriveList;
class FolderList;
class Platform;
class SettingsStore;

// The backup frame of the options panel: a drive list and a folder list that pick the backup
// folder, and the commands that copy every page file there (backup) and back (restore), each after
// a question. A complete backup remembers its folder in the settings and says so; the folder list
// can make a new folder to back up into.
class BackupPanel : public QGroupBox {
    Q_OBJECT
public:
    BackupPanel(Platform& platform, SettingsStore& settings, const QString& appFolder, QWidget* parent = nullptr);

    DriveList* driveList() const { return m_drives; }
    FolderList* folderList() const { return m_folders; }
    QPushButton* backupButton() const { return m_backup; }
    QPushButton* restoreButton() const { return m_restore; }
    QToolButton* newFolderButton() const { return m_newFolder; }

    // Shows the folder of the last complete backup; before the first backup the home folder. A
    // folder that is gone leaves the lists where they were.
    void showStoredFolder();
    // Opens the folder in the folder list (and selects its drive) when it can be listed; otherwise
    // leaves both lists as they are and returns false.
    bool showFolder(const QString& folder);

public Q_SLOTS:
    void backUp();
    void restore();

Q_SIGNALS:
    // A restore from FOLDER is about to replace the page files; they are as they were until the
    // receivers return.
    void aboutToRestore(const QString& folder);
    // A restore from FOLDER replaced these page files (names) in the application folder.
    void restored(const QString& folder, const QStringList& fileNames);

private:
    void changeDrive();
    void reportOpenFailure(int errorNumber, const QString& description, const QString& folder);
    void showError(const QString& text);

    Platform& m_platform;
    SettingsStore& m_settings;
    QString m_appFolder;
    DriveList* m_drives;
    FolderList* m_folders;
    QPushButton* m_backup;
    QPushButton* m_restore;
    QToolButton* m_newFolder;
};

} // namespace tabwise
