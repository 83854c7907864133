#pragma once

#include <QListWidget>

#include <system_error>

namespace tabwise {

// The folder list of the backup frame: the folders from the root down to the open folder, then the
// open folder's own subfolders, indented like a tree. A double-click (or Enter) opens the folder
// under the pointer. The path is the open folder, not a merely highlighted entry.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    // Opens a folder. When it cannot be listed, the list keeps the folder it showed and the system's
    // error is returned.
    std::error_code setPath(const QString& folder);
    // Makes a folder "New Folder" (or "New Folder 2", ...) in the open folder, opens it and lets the
    // user name it in place. Empty on success; otherwise the folder and the system's reason.
    QString makeNewFolder();

Q_SIGNALS:
    // The user tried to open a folder that cannot be listed.
    void openFailed(int errorNumber, const QString& description, const QString& folder);
    // A name typed for a new folder could not be given to it: the folder and the reason.
    void renameFailed(const QString& error);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);
    void rename(QListWidgetItem* item);

    QString m_path;
};

} // namespace tabwise
