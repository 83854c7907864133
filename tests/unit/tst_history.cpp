// Page history over a temporary state folder: a version per change, exact bytes, pruning by age,
// a damaged history set aside, clearing, and a history that cannot be written.
#include "core/history/HistoryRecorder.h"
#include "core/history/HistoryStore.h"
#include "core/history/LineDiff.h"
#include "core/page/AtomicFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tabwise;
using Recorded = HistoryStore::Recorded;

namespace {

const QString notes = QStringLiteral("notes.ntr");
const QDateTime now = QDateTime::currentDateTime();

// Bytes zlib cannot shrink: they stand in the history's files as they are, so a search finds them.
QByteArray secret(qsizetype size = 1 << 16)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

bool anyFileHolds(const QString& folder, const QByteArray& needle)
{
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        if (QFile file(it.next()); file.open(QIODevice::ReadOnly) && file.readAll().contains(needle))
            return true;
    return false;
}

// Whether this process has a thread of that name, or has a file of that name mapped.
bool hasThread(const QByteArray& name)
{
    for (const QFileInfo& task :
        QDir(QStringLiteral("/proc/self/task")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFile comm(task.filePath() + QStringLiteral("/comm"));
            comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
            return true;
    return false;
}
bool hasMapped(const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

// What the git command prints for the repository, or "failed".
QByteArray git(const QString& repository, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("git"), QStringList { QStringLiteral("--git-dir=") + repository } + arguments);
    return process.waitForFinished() && process.exitCode() == 0 ? process.readAllStandardOutput() : "failed";
}

} // namespace

class tst_History : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString app() const { return m_dir.filePath(QStringLiteral("app")); }
    QString state() const { return m_dir.filePath(QStringLiteral("state")); }
    QString root() const { return state() + QStringLiteral("/Tabwise/history"); }

private slots:
    void init() { qputenv("XDG_STATE_HOME", state().toUtf8()); }
    void cleanup() { QDir(state()).removeRecursively(); }

    // First: no test before it has opened libgit2 in this thread, which would keep it loaded.
    void restsWhenIdleAndWakesForEachVersion()
    {
        HistoryRecorder recorder(app());
        recorder.setRestAfter(std::chrono::milliseconds(1));
        QSignalSpy recorded(&recorder, &HistoryRecorder::recorded);
        const int versions = 20;
        for (int i = 0; i < versions; ++i) {
            recorder.record(notes, QByteArray::number(i), QStringLiteral("Saved"));
            QTest::qWait(i % 4 * 10); // handed over while the worker works, rests or is gone
        }
        recorder.waitForIdle();
        QTRY_COMPARE(recorded.size(), versions);
        QTRY_VERIFY(!hasThread("history") && !hasMapped("libgit2"));
        QCOMPARE(HistoryStore(app()).versions(notes)->size(), versions);
    }

    void keepsAVersionPerChange()
    {
        HistoryStore store(app());
        QCOMPARE(store.record(notes, "a\r\n", QStringLiteral("Found"), now), Recorded::New);
        QCOMPARE(store.record(notes, "a\r\nb\r\n", QStringLiteral("Saved"), now), Recorded::New);
        QCOMPARE(store.record(notes, "x\r\nb\r\n", QStringLiteral("Changed on disk"), now), Recorded::New);
        QCOMPARE(store.record(notes, "x\r\n", QStringLiteral("Before restore from /media/usb"), now), Recorded::New);
        QCOMPARE(store.record(notes, "x\r\n", QStringLiteral("Saved"), now), Recorded::Same);
        QCOMPARE(store.record(QStringLiteral("phone.ntr"), "x\r\n", QStringLiteral("Saved"), now), Recorded::New);
        const QStringList expected { QStringLiteral("Before restore from /media/usb +0 -1 lines"),
            QStringLiteral("Changed on disk +1 -1 lines"), QStringLiteral("Saved +1 -0 lines"),
            QStringLiteral("Found +1 -0 lines") };
        QStringList kept;
        const QList<HistoryVersion> versions = *store.versions(notes);
        for (const HistoryVersion& version : versions)
            kept << version.cause + QLatin1Char(' ') + lineChangesText(*version.changes);
        QCOMPARE(kept, expected);

        QCOMPARE(
            git(store.path(), { QStringLiteral("log"), QStringLiteral("--format=%s"), QStringLiteral("--"), notes })
                .count('\n'),
            4); // any git tool reads the history
        QDirIterator it(state() + QStringLiteral("/Tabwise"), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        for (struct stat status {}; it.hasNext() && ::lstat(QFile::encodeName(it.next()).constData(), &status) == 0;)
            QCOMPARE(status.st_mode & 0777, it.fileInfo().isDir() ? 0700u : 0600u);

        // A store that has not opened the repository knows the newest versions from its note...
        QCOMPARE(HistoryStore(app()).record(notes, "x\r\n", QStringLiteral("Found"), now), Recorded::Same);
        QCOMPARE(HistoryStore(app()).record(notes, "a\r\n", QStringLiteral("Found"), now), Recorded::New);
        // ... but not once HEAD names another commit (a git tool moved it): then it reads the repository.
        git(store.path(),
            { QStringLiteral("update-ref"), QStringLiteral("refs/heads/main"), QStringLiteral("HEAD~1") });
        QCOMPARE(HistoryStore(app()).record(notes, "a\r\n", QStringLiteral("Found"), now), Recorded::New);
    }

    void countsChangedLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("changes");
        QTest::newRow("first line") << QByteArray() << QByteArray("a\n") << "+1 -0 lines";
        QTest::newRow("all gone") << QByteArray("a\n") << QByteArray() << "+0 -1 lines";
        QTest::newRow("line put before the whole text") << QByteArray("b\n") << QByteArray("a\nb\n") << "+1 -0 lines";
        QTest::newRow("first line taken") << QByteArray("a\r\nb\r\n") << QByteArray("b\r\n") << "+0 -1 lines";
        QTest::newRow("end of a line") << QByteArray("ab\n") << QByteArray("b\n") << "+1 -1 lines";
        QTest::newRow("no line end") << QByteArray("a") << QByteArray("ab") << "+1 -1 lines";
        QTest::newRow("middle") << QByteArray("a\nb\nc\n") << QByteArray("a\nx\ny\nc\n") << "+2 -1 lines";
    }
    void countsChangedLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, changes);
        QCOMPARE(lineChangesText(countLineChanges(before, after).value_or(LineChanges { -1, -1 })), changes);
    }

    void keepsBytesExactly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9 \xff\xfe\r\n");
        QTest::newRow("NUL, no line end") << QByteArray("a\0b\rc", 5);
        QTest::newRow("empty") << QByteArray();
    }
    void keepsBytesExactly()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(HistoryStore(app()).record(notes, bytes, QStringLiteral("Saved"), now), Recorded::New);
        HistoryStore again(app(), historyRoot(), HistoryStore::Access::ReadOnly);
        const QList<HistoryVersion> versions = *again.versions(notes);
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions.first().size, bytes.size());
        QCOMPARE(*again.read(versions.first()), bytes);
    }

    void packsAndReadsEveryVersionBack()
    {
        HistoryStore store(app());
        QList<QByteArray> texts;
        for (int i = 0; i < 5; ++i) {
            texts.prepend(secret(1 << 18) + QByteArray::number(i));
            QCOMPARE(store.record(notes, texts.first(), QStringLiteral("Saved"), now), Recorded::New);
            QVERIFY(store.packIfDue());
        }
        QCOMPARE(
            QDir(store.path() + QStringLiteral("/objects/pack")).entryList({ QStringLiteral("*.pack") }).size(), 2);
        const QList<HistoryVersion> versions = *store.versions(notes);
        for (qsizetype i = 0; i < texts.size(); ++i)
            QCOMPARE(*store.read(versions.at(i)), texts.at(i));
        QVERIFY(git(store.path(), { QStringLiteral("fsck"), QStringLiteral("--strict") }) != "failed");
    }

    void prunesByAgeKeepingTheNewest()
    {
        HistoryStore store(app());
        store.record(notes, secret(), QStringLiteral("Saved"), now.addDays(-100));
        store.record(notes, "newer\r\n", QStringLiteral("Saved"), now.addDays(-10));
        store.record(QStringLiteral("phone.ntr"), "only\r\n", QStringLiteral("Saved"), now.addDays(-400));
        QVERIFY(anyFileHolds(root(), secret().left(64))); // the search sees what is kept
        QVERIFY(store.prune(90, now));
        QCOMPARE(store.versions(notes)->size(), 1);
        QCOMPARE(store.versions(QStringLiteral("phone.ntr"))->size(), 1);
        QCOMPARE(store.versions(notes)->first().time.toSecsSinceEpoch(), now.addDays(-10).toSecsSinceEpoch());
        QVERIFY(!anyFileHolds(root(), secret().left(64)));
    }

    void setsAsideADamagedHistoryAndClearsEverything()
    {
        HistoryStore(app()).record(notes, secret(), QStringLiteral("Saved"), now);
        HistoryStore store(app());
        QVERIFY(writeFileAtomically(store.path() + QStringLiteral("/refs/heads/main"), "garbage\n").ok);
        QCOMPARE(store.record(notes, "after\r\n", QStringLiteral("Saved"), now), Recorded::New);
        QVERIFY2(store.problem().contains(QStringLiteral("set aside")), qPrintable(store.problem()));
        QCOMPARE(store.versions(notes)->size(), 1);
        const QStringList aside = QDir(root()).entryList({ QStringLiteral("*.damaged-*") }, QDir::Dirs);
        QCOMPARE(aside.size(), 1);
        QVERIFY(anyFileHolds(root() + QLatin1Char('/') + aside.first(), secret().left(64)));

        QVERIFY(store.clear());
        QVERIFY(!anyFileHolds(state(), secret().left(64)));
        QCOMPARE(store.versions(notes)->size(), 0);
    }

    void reportsOnceAHistoryThatCannotBeWritten_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("history folder cannot be made") << false << QString::fromLocal8Bit(strerror(ENOTDIR));
        QTest::newRow("disk full") << true << QString::fromLocal8Bit(strerror(EFBIG));
    }
    void reportsOnceAHistoryThatCannotBeWritten()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        QVERIFY(
            QDir().mkpath(state()) && (fullDisk || QFile(state() + QStringLiteral("/Tabwise")).open(QFile::WriteOnly)));
        const rlimit small { 1 << 15, RLIM_INFINITY }, unlimited { RLIM_INFINITY, RLIM_INFINITY }; // a full disk
        std::signal(SIGXFSZ, SIG_IGN);
        HistoryRecorder recorder(app());
        QSignalSpy failed(&recorder, &HistoryRecorder::failed);
        QVERIFY(!fullDisk || setrlimit(RLIMIT_FSIZE, &small) == 0);
        recorder.record(notes, secret(), QStringLiteral("Saved"));
        recorder.record(notes, secret() + "more", QStringLiteral("Saved"));
        recorder.waitForIdle();
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(failed.size(), 1);
        const QString message = failed.first().first().toString();
        QVERIFY2(message.contains(root()) && message.contains(reason), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
