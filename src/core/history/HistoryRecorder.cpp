#include "core/history/HistoryRecorder.h"

#include "core/history/HistoryStore.h"
#include "core/page/PageFile.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace tabwise {

struct HistoryRecorder::Private {
    HistoryRecorder* recorder;
    HistoryStore store;
    QThread thread;
    QObject worker; // lives in the thread: what is invoked on it runs there, in order
    std::atomic_bool stopping { false };
    bool failureReported = false; // touched in the worker thread only
    std::atomic_bool hurry { false }; // somebody waits for the worker
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

    template <typename Job> void post(Job job) { QMetaObject::invokeMethod(&worker, job, Qt::QueuedConnection); }

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
    d->worker.moveToThread(&d->thread);
    d->thread.setObjectName(QStringLiteral("history"));
    // Started from the event loop, after whatever made the recorder (the window) is done; before
    // any input, so that the files as found are read before anything can change them.
    QTimer::singleShot(0, this, [this] { start(); });
}

void HistoryRecorder::start()
{
    if (!d->thread.isRunning() && !d->thread.isFinished())
        d->thread.start(QThread::LowPriority);
}

HistoryRecorder::~HistoryRecorder()
{
    start(); // what waits is kept before the worker ends
    d->stopping = true;
    // After every version handed over; the worker object goes home to be deleted there.
    d->post([d = d.get()] {
        d->worker.moveToThread(d->recorder->thread());
        d->thread.quit();
    });
    d->thread.wait();
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

void HistoryRecorder::waitForIdle()
{
    d->hurry = true;
    start();
    QMetaObject::invokeMethod(
        &d->worker, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace tabwise
