#pragma once

#include "core/history/HistoryFolder.h"
#include "core/history/LineDiff.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

// Every version of every page of one application folder, kept in a git repository that any git
// tool reads (git --git-dir=<path> log -p -- notes.ntr). One object serves one thread at a time;
// HistoryRecorder runs one in a worker thread, through which the history panel reads too.
namespace tabwise {

struct HistoryVersion {
    QByteArray commit; // the version's commit, 40 hexadecimal digits
    QByteArray blob; // the page's bytes in the repository
    QDateTime time;
    QString cause; // "Saved", "Changed on disk", "Before restore from <folder>", "Found", ...
    qint64 size = 0;
    std::optional<LineChanges> changes; // from the version before; nothing when not known
};

class HistoryStore {
public:
    // ReadOnly never creates, writes or sets aside anything: a missing history is an empty one.
    enum class Access { ReadWrite, ReadOnly };
    enum class Recorded { New, Same, Failed };

    // The history of APPFOLDER under ROOT. Nothing is opened or created before it is first used.
    explicit HistoryStore(
        const QString& appFolder, const QString& root = historyRoot(), Access access = Access::ReadWrite);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    QString path() const;
    // What went wrong in the last call, in plain words naming the file; empty when nothing did. A
    // call that succeeded may leave word of something the user should know (a damaged history set
    // aside, a pack that could not be written).
    QString problem() const;
    // Packing checks this between objects and gives up, leaving the history as it was, once it is set.
    void setStopFlag(const std::atomic_bool* stop);

    // Keeps BYTES as the newest version of page FILENAME, unless they are that version already.
    Recorded record(const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time);
    // Packs the versions recorded so far when they are due (see HistoryPacks.h).
    bool packIfDue();
    // The page's versions, newest first; nothing when the history cannot be read.
    std::optional<QList<HistoryVersion>> versions(const QString& fileName);
    std::optional<QByteArray> read(const HistoryVersion& version);
    // Drops the versions older than KEEPDAYS days before NOW (0: keeps all), but never the newest
    // version of a page, and reclaims their space.
    bool prune(int keepDays, const QDateTime& now = QDateTime::currentDateTime());
    // Deletes the whole history of the folder, damaged ones set aside included.
    bool clear();
    // Lets the repository go, with libgit2's caches and the pack files it holds open; the next
    // call opens it again.
    void close();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace tabwise
