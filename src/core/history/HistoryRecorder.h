#pragma once

#include "core/history/HistoryFolder.h"
#include "core/history/HistoryStore.h"
#include "core/history/LineDiff.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>

// Keeps the versions the window hands over in the page history, and reads them back for the
// history panel, in a worker thread and in the order they were handed over, so that neither
// writing a large version, packing the history nor reading a long one ever holds up the window. A history that cannot
// be written is reported once (until it works again); the pages go on working whatever happens to it. After a few
// seconds without work the history rests: it lets the repository, libgit2's caches, libgit2 itself and the worker
// thread go, and the next version handed over brings them back.
namespace tabwise {

class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    explicit HistoryRecorder(const QString& appFolder, const QString& root = historyRoot(), QObject* parent = nullptr);
    // Keeps every version already handed over, abandons any packing under way, and stops the worker.
    ~HistoryRecorder() override;

    // The history's repository, for the panel's reading and for the user's own git tools.
    QString repositoryPath() const;

    void record(const QString& fileName, const QByteArray& bytes, const QString& cause,
        const QDateTime& time = QDateTime::currentDateTime());
    // The same for the file as it is on disk when the worker comes to it (read there, so that a
    // large page never holds up the window); a file that is missing or cannot be read is passed by.
    void recordFile(const QString& fileName, const QString& path, const QString& cause,
        const QDateTime& time = QDateTime::currentDateTime());
    // The page files as found at start (file name, path): read at once, and kept once the window
    // has had its first second to itself (sooner when waited for), so that start-up does not share
    // the machine with the history.
    void recordFound(const QList<std::pair<QString, QString>>& files);
    // Drops versions older than KEEPDAYS days (0: keeps everything), never a page's newest one.
    void prune(int keepDays);
    // Deletes every version of every page of the folder; cleared() tells how it went.
    void clear();
    // Returns once everything handed over so far is done (for quitting, tests and measurements).
    void waitForIdle();
    // Reads the versions of page FILENAME, newest first, once everything handed over before is
    // kept; versionsRead() brings them with the number returned here.
    int readVersions(const QString& fileName);
    // Reads the text of VERSION and compares it with CURRENT, the page's text now; versionRead()
    // brings it with the number returned here. A later call makes this one's result not worth
    // reading: it is dropped unless read already.
    int readVersion(const HistoryVersion& version, const QString& current);
    // How long the worker waits for more work before it rests (five seconds unless set).
    void setRestAfter(std::chrono::milliseconds idle);

Q_SIGNALS:
    void recorded(const QString& fileName);
    void cleared(bool ok, const QString& problem);
    // What went wrong, in plain words naming the file; once, until the history works again.
    void failed(const QString& message);
    // The versions asked for with readVersions() as number READING: nothing when the history
    // cannot be read, with the reason in PROBLEM.
    void versionsRead(int reading, const std::optional<QList<HistoryVersion>>& versions, const QString& problem);
    // The version asked for with readVersion() as number READING, or nothing with the reason.
    void versionRead(int reading, const std::optional<ShownVersion>& version, const QString& problem);

private:
    void start();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace tabwise
