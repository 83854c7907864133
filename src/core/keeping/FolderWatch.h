#pragma once

#include "core/page/FileStamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <vector>

namespace tabwise {

// Watches the application folder for what other programs do to the pages: the folder itself (a
// sync client or an editor replaces a page by renaming a new file over it, and the new file is
// not the one a watch on the old file sees) and each page file (a change written in place). A
// short poll backs the watch up where the system reports nothing (network and FUSE folders).
// Bursts of changes are gathered into one report. It also sees the folder go (a stick pulled, the
// folder removed or made unreadable) and come back.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    FolderWatch(const QString& folder, const QStringList& fileNames, QObject* parent = nullptr);

    bool isReachable() const { return m_reason.isEmpty(); }
    // Why the folder cannot be reached; empty while it can.
    QString unreachableReason() const { return m_reason; }

public Q_SLOTS:
    // Looks at the folder now rather than waiting for the system or the poll.
    void check();
    // The program itself has just written FILENAME (or handed what it holds to the history): the
    // file as it is now is no change by another program.
    void takeAsKnown(const QString& fileName);

Q_SIGNALS:
    // Something in the folder changed: the pages may compare themselves with their files. CHANGED
    // names the watched files that are not as they were at the last look (times, size or inode).
    void filesChanged(const QStringList& changed);
    void folderLost(const QString& reason);
    void folderBack();

private:
    void noticeChange();
    void poll();
    void rewatch();
    QString reachability() const;
    std::vector<FileStamp> stamps() const;

    QString m_folder;
    QStringList m_files;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_poll;
    QString m_reason;
    std::vector<FileStamp> m_stamps;
};

} // namespace tabwise
