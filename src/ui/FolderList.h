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

Q_SIGNALS:
    // The user tried to open a folder that cannot be listed.
    void openFailed(int errorNumber, const QString& description);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);

    QString m_path;
};

} // namespace tabwise
