#include "core/keeping/FolderWatch.h"

#include <QFileInfo>

#include <unistd.h>

namespace tabwise {

namespace {
// Changes come in bursts (a temporary file written, renamed, its times set): one report for all.
constexpr int settleMilliseconds = 250;
constexpr int pollMilliseconds = 2000;
} // namespace

FolderWatch::FolderWatch(const QString& folder, const QStringList& fileNames, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_files(fileNames)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatch::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::noticeChange);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::noticeChange);
    m_poll.setInterval(pollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &FolderWatch::poll);
    m_poll.start();
    m_reason = reachability();
    m_stamps = stamps();
    rewatch();
}

void FolderWatch::noticeChange()
{
    if (!m_settle.isActive())
        m_settle.start();
}

void FolderWatch::poll()
{
    if (reachability() != m_reason || stamps() != m_stamps)
        check();
}

void FolderWatch::check()
{
    m_settle.stop();
    const QString reason = reachability();
    const bool wasReachable = isReachable();
    m_reason = reason;
    const std::vector<FileStamp> now = stamps();
    QStringList changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (i >= m_stamps.size() || now[i] != m_stamps[i])
            changed << m_files[qsizetype(i)];
    }
    m_stamps = now;
    rewatch();
    if (wasReachable && !reason.isEmpty()) {
        Q_EMIT folderLost(reason);
        return;
    }
    if (!reason.isEmpty())
        return;
    if (!wasReachable)
        Q_EMIT folderBack();
    Q_EMIT filesChanged(changed);
}

void FolderWatch::takeAsKnown(const QString& fileName)
{
    const qsizetype i = m_files.indexOf(fileName);
    if (i >= 0 && std::size_t(i) < m_stamps.size())
        m_stamps[std::size_t(i)] = fileStamp(m_folder + QLatin1Char('/') + fileName);
}

void FolderWatch::rewatch()
{
    // A file replaced by a rename, or deleted and made anew, is a new file to watch.
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!isReachable())
        return;
    QStringList paths { m_folder };
    for (const QString& name : m_files) {
        const QString path = m_folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            paths << path;
    }
    m_watcher.addPaths(paths);
}

QString FolderWatch::reachability() const
{
    const QFileInfo info(m_folder);
    if (!info.exists())
        return tr("The folder does not exist (a removable disk may have been taken out).");
    if (!info.isDir())
        return tr("This is not a folder.");
    if (::access(QFile::encodeName(m_folder).constData(), R_OK | X_OK) != 0)
        return tr("The folder cannot be read.");
    return {};
}

std::vector<FileStamp> FolderWatch::stamps() const
{
    std::vector<FileStamp> all;
    for (const QString& name : m_files)
        all.push_back(fileStamp(m_folder + QLatin1Char('/') + name));
    return all;
}

} // namespace tabwise
