#include "core/history/HistoryRecorder.h"

#include "core/history/GitHandles.h"
#include "core/history/HistoryStore.h"
#include "core/page/PageFile.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tabwise {

struct HistoryRecorder::Private {
    HistoryRecorder* recorder;
    HistoryStore store;
    std::mutex mutex; // guards the jobs, the worker and the rest time
    std::condition_variable jobAdded;
    std::deque<std::function<void()>> jobs;
    std::unique_ptr<QThread> worker; // the thread taking the jobs, while there is one
    bool working = false; // a worker takes jobs, or rests and then looks for more
    bool mayStart = false; // after the window's first turn of the event loop
    std::chrono::milliseconds restAfter { 5000 };
    std::atomic_bool stopping { false };
    bool failureReported = false; // touched in the worker thread only
    std::atomic_bool hurry { false }; // somebody waits for the worker
    int readings = 0; // the number of the last reading asked for
    std::atomic_int latestVersionReading { 0 };
    QElapsedTimer age;

    Private(HistoryRecorder* recorder, const QString& appFolder, const QString& root)
        : recorder(recorder)
        , store(appFolder, root)
    {
    }

    // In the worker thread: returns once the recorder is a second old, or sooner when it is waited
    // for or ends.
    void settle() const
    {
        while (!hurry && !stopping && !age.hasExpired(settleMs))
            QThread::msleep(10);
    }
    static constexpr qint64 settleMs = 1000;

    // In the worker thread: keeps one version and packs when due.
    void keep(const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time);

    // Runs JOB in the worker, after every job posted before it.
    void post(std::function<void()> job)
    {
        const std::lock_guard lock(mutex);
        jobs.push_back(std::move(job));
        startWorker();
        jobAdded.notify_one();
    }

    // With the mutex held: a worker for the waiting jobs, unless one is at work or it is too early.
    void startWorker()
    {
        if (working || !mayStart || jobs.empty())
            return;
        if (worker)
            worker->wait(); // it has finished its last job and rest, and is ending
        working = true;
        worker.reset(QThread::create([this] { work(); }));
        worker->setObjectName(QStringLiteral("history"));
        worker->start(QThread::LowPriority);
    }

    // The worker: takes the jobs in order; once there has been none for a while, or the recorder is
    // ending, it rests (see rest()) and ends, unless a job came meanwhile.
    void work()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            if (jobs.empty() && !stopping)
                jobAdded.wait_for(lock, restAfter, [this] { return !jobs.empty() || stopping; });
            if (jobs.empty()) {
                lock.unlock();
                rest();
                lock.lock();
                if (!jobs.empty())
                    continue;
                working = false;
                return;
            }
            const std::function<void()> job = std::move(jobs.front());
            jobs.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }

    // In the worker thread, with nothing to do: the repository, libgit2's caches and libgit2 itself
    // are let go, and the memory they took goes back to the system.
    void rest()
    {
        store.close();
        git::letGo();
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    }

    // After each job in the worker thread: a problem is reported unless one already was.
    void report(bool succeeded, const QString& problem)
    {
        if (stopping)
            return; // the window is closing: nobody is left to tell
        if (problem.isEmpty()) {
            failureReported = failureReported && !succeeded;
            return;
        }
        if (!failureReported)
            Q_EMIT recorder->failed(problem);
        failureReported = true;
    }
};

HistoryRecorder::HistoryRecorder(const QString& appFolder, const QString& root, QObject* parent)
    : QObject(parent)
    , d(new Private(this, appFolder, root))
{
    d->age.start();
    d->store.setStopFlag(&d->stopping);
    // Started from the event loop, after whatever made the recorder (the window) is done; before
    // any input, so that the files as found are read before anything can change them.
    QTimer::singleShot(0, this, [this] { start(); });
}

void HistoryRecorder::start()
{
    const std::lock_guard lock(d->mutex);
    d->mayStart = true;
    d->startWorker();
}

HistoryRecorder::~HistoryRecorder()
{
    d->stopping = true;
    start(); // what waits is kept before the worker ends
    {
        const std::lock_guard lock(d->mutex);
        d->jobAdded.notify_one();
    }
    // Only this thread starts workers, and it starts no more now.
    if (d->worker)
        d->worker->wait();
}

void HistoryRecorder::setRestAfter(std::chrono::milliseconds idle)
{
    const std::lock_guard lock(d->mutex);
    d->restAfter = idle;
}

QString HistoryRecorder::repositoryPath() const
{
    return d->store.path();
}

void HistoryRecorder::record(
    const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time)
{
    d->post([d = d.get(), fileName, bytes, cause, time] { d->keep(fileName, bytes, cause, time); });
}

void HistoryRecorder::recordFile(
    const QString& fileName, const QString& path, const QString& cause, const QDateTime& time)
{
    d->post([d = d.get(), fileName, path, cause, time] {
        if (const std::optional<QByteArray> bytes = readPageBytes(path))
            d->keep(fileName, *bytes, cause, time);
    });
}

void HistoryRecorder::recordFound(const QList<std::pair<QString, QString>>& files)
{
    const QDateTime time = QDateTime::currentDateTime();
    d->post([d = d.get(), files, time] {
        // Read before anything else can change the files; kept after the first second.
        QList<std::pair<QString, QByteArray>> found;
        for (const auto& [fileName, path] : files) {
            if (std::optional<QByteArray> bytes = readPageBytes(path))
                found.append({ fileName, std::move(*bytes) });
        }
        d->settle();
        for (const auto& [fileName, bytes] : found)
            d->keep(fileName, bytes, QStringLiteral("Found"), time);
    });
}

void HistoryRecorder::Private::keep(
    const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time)
{
    const HistoryStore::Recorded result = store.record(fileName, bytes, cause, time);
    if (result == HistoryStore::Recorded::New)
        Q_EMIT recorder->recorded(fileName);
    bool ok = result != HistoryStore::Recorded::Failed;
    QString problem = store.problem();
    // Packed at once when due, so that the history stays small whatever the pace of saving.
    if (ok && !stopping) {
        ok = store.packIfDue();
        problem = problem.isEmpty() ? store.problem() : problem;
    }
    report(ok, problem);
}

void HistoryRecorder::prune(int keepDays)
{
    d->post([d = d.get(), keepDays] {
        d->settle(); // at start, not sharing the machine with the window's first second
        const bool ok = d->store.prune(keepDays);
        d->report(ok, d->store.problem());
    });
}

void HistoryRecorder::clear()
{
    d->post([d = d.get()] {
        const bool ok = d->store.clear();
        Q_EMIT d->recorder->cleared(ok, d->store.problem());
    });
}

int HistoryRecorder::readVersions(const QString& fileName)
{
    const int reading = ++d->readings;
    d->post([d = d.get(), reading, fileName] {
        const std::optional<QList<HistoryVersion>> versions = d->store.versions(fileName);
        Q_EMIT d->recorder->versionsRead(reading, versions, d->store.problem());
    });
    return reading;
}

int HistoryRecorder::readVersion(const HistoryVersion& version, const QString& current)
{
    const int reading = ++d->readings;
    d->latestVersionReading = reading;
    d->post([d = d.get(), reading, version, current] {
        if (reading != d->latestVersionReading)
            return;
        const std::optional<QByteArray> bytes = d->store.read(version);
        Q_EMIT d->recorder->versionRead(
            reading, bytes ? std::optional(showVersion(*bytes, current)) : std::nullopt, d->store.problem());
    });
    return reading;
}

void HistoryRecorder::waitForIdle()
{
    d->hurry = true;
    std::promise<void> done;
    d->post([&done] { done.set_value(); });
    start();
    done.get_future().wait();
}

} // namespace tabwise
