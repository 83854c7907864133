// Drafts of unsaved typing, the baseline a page is compared against, the watch on the folder, and
// what a save of a page's document does (what is written, what is asked, what is refused).
#include "core/backup/CopyPages.h"
#include "core/document/PageDocument.h"
#include "core/keeping/DraftKeeper.h"
#include "core/keeping/DraftStore.h"
#include "core/keeping/FolderWatch.h"
#include "core/page/ConflictCopy.h"
#include "core/page/PageBaseline.h"
#include "core/page/PageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

using namespace tabwise;

namespace {
void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestKeeping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draftKeepsTypingAndItsBase_data();
    void draftKeepsTypingAndItsBase();
    void draftGrowsByTheChangesTyped_data();
    void draftGrowsByTheChangesTyped();
    void copyOfTheTextFollowsOrSaysItIsLost();
    void damagedDraftIsRecognised_data();
    void damagedDraftIsRecognised();
    void draftGoesToTheSpareFolderWhenTheAppFolderRefuses();
    void baselineSeesContentNotTimes();
    void watchSeesAnAtomicReplaceWithOldTimes();
    void watchSeesTheFolderGoAndComeBack();
    void conflictCopyNamesSayWhatTheyAre();
    void saveDecides_data();
    void saveDecides();
};

void TestKeeping::draftKeepsTypingAndItsBase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QByteArray>>("base");
    QTest::newRow("plain, base known") << QStringLiteral("one\ntwo") << std::optional(contentDigest("one\r\n"));
    QTest::newRow("page did not exist") << QStringLiteral("x") << std::optional(QByteArray());
    QTest::newRow("base unknown, non-Latin text")
        << QStringLiteral("Grüße \u2028 \U0001F600") << std::optional<QByteArray>();
    QTest::newRow("empty typing") << QString() << std::optional<QByteArray>();
}

void TestKeeping::draftKeepsTypingAndItsBase()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QByteArray>, base);
    QTemporaryDir dir;
    const DraftStore store(dir.path(), dir.path() + QStringLiteral("/spare"));
    QVERIFY(store.write(QStringLiteral("notes.ntr"), text, base).ok);
    const QString path = store.draftPath(QStringLiteral("notes.ntr"));
    QCOMPARE(path, dir.path() + QStringLiteral("/.notes.ntr.draft"));
    struct stat info { };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    const Draft draft = store.read(QStringLiteral("notes.ntr"));
    QCOMPARE(draft.status, Draft::Status::Ok);
    QCOMPARE(draft.text, text);
    QCOMPARE(draft.base, base);
    QVERIFY(!pageFileNames(dir.path()).contains(QStringLiteral(".notes.ntr.draft")));
    store.remove(QStringLiteral("notes.ntr"));
    QCOMPARE(store.read(QStringLiteral("notes.ntr")).status, Draft::Status::None);
}

void TestKeeping::draftGrowsByTheChangesTyped_data()
{
    // What is added to the file after the changes (a crash while one was added), and how many of
    // the changes then come back.
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("editsBack");
    QTest::newRow("all added whole") << QByteArray() << 4;
    QTest::newRow("the last cut short") << QByteArray("edit 3 0 8 0123456789abcdef\nab") << 4;
    QTest::newRow("a line of garbage") << QByteArray("\xff\xfe\n") << 4;
}

void TestKeeping::draftGrowsByTheChangesTyped()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, editsBack);
    QTemporaryDir dir;
    const DraftStore store(dir.path(), dir.filePath(QStringLiteral("spare")));
    const QString text = QStringLiteral("one\u2029two\u2029");
    const QList<TextEdit> edits { { 0, 0, QStringLiteral("Grüße ") }, { 9, 4, QStringLiteral("\u2028") },
        { 7, 0, QString(QChar(0xD83D)) }, { 8, 0, QString(QChar(0xDE00)) } }; // a pair typed in halves
    QVERIFY(!store.append(QStringLiteral("notes.ntr"), edits).ok); // nothing written whole yet
    QVERIFY(store.write(QStringLiteral("notes.ntr"), text, contentDigest("one\r\n")).ok);
    QVERIFY(store.append(QStringLiteral("notes.ntr"), edits.first(2)).ok);
    QVERIFY(store.append(QStringLiteral("notes.ntr"), edits.mid(2)).ok);
    QFile file(store.draftPath(QStringLiteral("notes.ntr")));
    QVERIFY(file.open(QIODevice::Append));
    file.write(tail);
    file.close();
    QString expected = text;
    QVERIFY(applyEdits(expected, edits.first(editsBack)));
    const Draft draft = store.read(QStringLiteral("notes.ntr"));
    QCOMPARE(draft.status, Draft::Status::Ok);
    QCOMPARE(draft.text, expected);
    QCOMPARE(draft.base, contentDigest("one\r\n"));
    // A change that does not fit the text it follows is no draft to trust: the file is damaged.
    if (!tail.isEmpty())
        return;
    QVERIFY(store.append(QStringLiteral("notes.ntr"), { { 999, 1, QString() } }).ok);
    QCOMPARE(store.read(QStringLiteral("notes.ntr")).status, Draft::Status::Damaged);
}

void TestKeeping::copyOfTheTextFollowsOrSaysItIsLost()
{
    QTemporaryDir dir;
    DraftKeeper keeper(DraftStore(dir.path(), dir.filePath(QStringLiteral("spare"))));
    QSignalSpy lost(&keeper, &DraftKeeper::copyLost);
    const QString page = dir.filePath(QStringLiteral("notes.ntr"));
    put(page, "a\r\nb\r\n");
    // From the file as read: its line ends are those of a text box; changes follow; saved from it.
    keeper.begin(QStringLiteral("notes.ntr"), { std::nullopt, page, contentDigest("a\r\nb\r\n") });
    keeper.edit(QStringLiteral("notes.ntr"), { { 1, 0, QStringLiteral("x") } }, 5, false, std::nullopt);
    const std::optional<PageWritten> written = keeper.writePage(QStringLiteral("notes.ntr"), page);
    QVERIFY(written && written->result.ok);
    QCOMPARE(bytesOf(page), "ax\r\nb\r\n");
    QCOMPARE(written->bytes, bytesOf(page));
    // A change that does not add up, or a file no longer as read: the copy says it is lost.
    keeper.edit(QStringLiteral("notes.ntr"), { { 0, 0, QStringLiteral("y") } }, 99, false, std::nullopt);
    QVERIFY(!keeper.follows(QStringLiteral("notes.ntr")));
    QVERIFY(!keeper.writePage(QStringLiteral("notes.ntr"), page));
    keeper.begin(QStringLiteral("notes.ntr"), { std::nullopt, page, contentDigest("a\r\nb\r\n") });
    QVERIFY(!keeper.follows(QStringLiteral("notes.ntr")));
    QTRY_COMPARE(lost.size(), 2);
    // From the box's text, with the draft written whole and then grown by each change.
    keeper.begin(QStringLiteral("notes.ntr"), { QStringLiteral("t\nu"), {}, {} });
    keeper.edit(QStringLiteral("notes.ntr"), { { 3, 0, QStringLiteral("!") } }, 4, true, std::nullopt);
    keeper.edit(QStringLiteral("notes.ntr"), { { 0, 1, QStringLiteral("T") } }, 4, true, std::nullopt);
    QVERIFY(keeper.follows(QStringLiteral("notes.ntr")));
    QCOMPARE(keeper.store().read(QStringLiteral("notes.ntr")).text, QStringLiteral("T\u2029u!"));
    QVERIFY(bytesOf(keeper.store().draftPath(QStringLiteral("notes.ntr"))).contains("edit 0 1 2"));
}

void TestKeeping::damagedDraftIsRecognised_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no header") << QByteArray("just typing");
    QTest::newRow("cut short") << QByteArray("Tabwise draft 1\nlength 10\ndigest 00\n\nabc");
    QTest::newRow("binary") << QByteArray("\0\xff\xfe\x01", 4);
}

void TestKeeping::damagedDraftIsRecognised()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const DraftStore store(dir.path(), dir.path() + QStringLiteral("/spare"));
    put(store.draftPath(QStringLiteral("web.ntr")), bytes);
    const Draft draft = store.read(QStringLiteral("web.ntr"));
    QCOMPARE(draft.status, Draft::Status::Damaged);
    QVERIFY(draft.error.contains(draft.path));
    const QString aside = DraftStore::setAside(draft.path);
    QVERIFY(aside.contains(QStringLiteral(".damaged-")));
    QCOMPARE(QFile(aside).size(), bytes.size()); // kept, not deleted
    QCOMPARE(store.read(QStringLiteral("web.ntr")).status, Draft::Status::None);
}

void TestKeeping::draftGoesToTheSpareFolderWhenTheAppFolderRefuses()
{
    QTemporaryDir dir;
    const QString gone = dir.path() + QStringLiteral("/pulled-stick");
    const DraftStore store(gone, dir.path() + QStringLiteral("/spare"));
    QVERIFY(store.write(QStringLiteral("other.ntr"), QStringLiteral("kept anyway"), std::nullopt).ok);
    QVERIFY(QFile::exists(store.spareDraftPath(QStringLiteral("other.ntr"))));
    QCOMPARE(store.read(QStringLiteral("other.ntr")).text, QStringLiteral("kept anyway"));
    // Back in the application folder as soon as it takes drafts again; the spare one goes.
    QVERIFY(QDir().mkpath(gone));
    QVERIFY(store.write(QStringLiteral("other.ntr"), QStringLiteral("newer"), std::nullopt).ok);
    QVERIFY(!QFile::exists(store.spareDraftPath(QStringLiteral("other.ntr"))));
    QCOMPARE(store.read(QStringLiteral("other.ntr")).text, QStringLiteral("newer"));
}

void TestKeeping::baselineSeesContentNotTimes()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/notes.ntr");
    put(path, "same\r\n");
    PageBaseline baseline;
    QCOMPARE(baseline.compare(path), PageBaseline::Disk::Changed); // unknown
    baseline.set(contentDigest("same\r\n"), std::nullopt);
    QCOMPARE(baseline.compare(path), PageBaseline::Disk::Same);
    put(path, "same\r\n"); // rewritten with the same bytes: no change
    QCOMPARE(baseline.compare(path), PageBaseline::Disk::Same);
    put(path, "SAME\r\n"); // same size
    QCOMPARE(baseline.compare(path), PageBaseline::Disk::Changed);
    QFile::remove(path);
    QVERIFY(QDir().mkdir(path)); // a folder in its place cannot be read
    QString error;
    QCOMPARE(baseline.compare(path, &error), PageBaseline::Disk::Unreadable);
    QVERIFY(error.contains(QStringLiteral("folder")));
}

void TestKeeping::watchSeesAnAtomicReplaceWithOldTimes()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/notes.ntr");
    put(path, "old\r\n");
    struct stat before { };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    FolderWatch watch(dir.path(), { QStringLiteral("notes.ntr") });
    QSignalSpy changed(&watch, &FolderWatch::filesChanged);
    // As a sync client does it: a temporary file renamed over the page, given the page's old times.
    const QString temporary = dir.path() + QStringLiteral("/.syncthing.notes.ntr.tmp");
    put(temporary, "new\r\n");
    const utimbuf times { before.st_atime, before.st_mtime };
    QCOMPARE(::utime(QFile::encodeName(temporary).constData(), &times), 0);
    QCOMPARE(::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()), 0);
    QVERIFY(changed.wait(3000));
    // The new file is watched too: a change written in place is seen as well.
    changed.clear();
    put(path, "newer\r\n");
    QVERIFY(changed.wait(3000));
}

void TestKeeping::watchSeesTheFolderGoAndComeBack()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/stick");
    QVERIFY(QDir().mkpath(folder));
    FolderWatch watch(folder, { QStringLiteral("notes.ntr") });
    QSignalSpy lost(&watch, &FolderWatch::folderLost);
    QSignalSpy back(&watch, &FolderWatch::folderBack);
    QVERIFY(QDir().rename(folder, folder + QStringLiteral("-pulled")));
    QVERIFY(lost.wait(4000));
    QVERIFY(!watch.isReachable());
    QVERIFY(QDir().rename(folder + QStringLiteral("-pulled"), folder));
    QVERIFY(back.wait(4000));
    QVERIFY(watch.isReachable());
}

void TestKeeping::conflictCopyNamesSayWhatTheyAre()
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5));
    const QString first = conflictCopyPath(dir.path(), QStringLiteral("notes.ntr"), when);
    QCOMPARE(first, dir.path() + QStringLiteral("/notes (changed on disk 2026-12-07 1405).ntr"));
    put(first, "taken");
    QCOMPARE(conflictCopyPath(dir.path(), QStringLiteral("notes.ntr"), when),
        dir.path() + QStringLiteral("/notes (changed on disk 2026-12-07 1405 2).ntr"));
}

void TestKeeping::saveDecides_data()
{
    // What the file held when the page read it, what stands there at the save, whether the page
    // holds typing ("mine"), the user's answer should the document ask; then what it asked, how the
    // save went, the file afterwards and whether the other version was kept beside it.
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("atSave");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("copyKept");
    using S = SaveOutcome::Status;
    const int keep = int(ConflictChoice::KeepBoth), replace = int(ConflictChoice::Replace),
              cancel = int(ConflictChoice::Cancel);
    QTest::newRow("typing over the file as read") << QByteArray("base\r\n") << QByteArray("base\r\n") << true << keep
                                                  << false << int(S::Saved) << QByteArray("mine\r\n") << false;
    QTest::newRow("typing on a page never saved")
        << QByteArray() << QByteArray() << true << keep << false << int(S::Saved) << QByteArray("mine\r\n") << false;
    QTest::newRow("nothing typed, file as read") << QByteArray("base\r\n") << QByteArray("base\r\n") << false << keep
                                                 << false << int(S::Unchanged) << QByteArray("base\r\n") << false;
    QTest::newRow("nothing typed, no final line end: its own bytes and one")
        << QByteArray("a\rb") << QByteArray("a\rb") << false << keep << false << int(S::Saved) << QByteArray("a\rb\r\n")
        << false;
    QTest::newRow("nothing typed, changed elsewhere: shown, not written")
        << QByteArray("base\r\n") << QByteArray("theirs\r\n") << false << keep << false << int(S::OtherVersion)
        << QByteArray("theirs\r\n") << false;
    QTest::newRow("typing over a change: keep both") << QByteArray("base\r\n") << QByteArray("theirs\r\n") << true
                                                     << keep << true << int(S::Saved) << QByteArray("mine\r\n") << true;
    QTest::newRow("typing over a change: replace")
        << QByteArray("base\r\n") << QByteArray("theirs\r\n") << true << replace << true << int(S::Saved)
        << QByteArray("mine\r\n") << false;
    QTest::newRow("typing over a change: cancel")
        << QByteArray("base\r\n") << QByteArray("theirs\r\n") << true << cancel << true << int(S::Cancelled)
        << QByteArray("theirs\r\n") << false;
    QTest::newRow("typing over a file deleted meanwhile: nothing to keep")
        << QByteArray("base\r\n") << QByteArray("<missing>") << true << cancel << false << int(S::Saved)
        << QByteArray("mine\r\n") << false;
    QTest::newRow("typing over a file made elsewhere meanwhile")
        << QByteArray() << QByteArray("theirs\r\n") << true << keep << true << int(S::Saved) << QByteArray("mine\r\n")
        << true;
    QTest::newRow("a folder where the page was: refused")
        << QByteArray("base\r\n") << QByteArray("<folder>") << true << replace << false << int(S::Refused)
        << QByteArray("<missing>") << false;
}

void TestKeeping::saveDecides()
{
    QFETCH(QByteArray, read);
    QFETCH(QByteArray, atSave);
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(int, status);
    QFETCH(QByteArray, after);
    QFETCH(bool, copyKept);
    QTemporaryDir dir;
    DraftKeeper drafts(DraftStore(dir.path(), dir.filePath(QStringLiteral("spare"))));
    PageDocument document(pageTable[0], dir.path(), drafts);
    QSignalSpy versions(&document, &PageDocument::versionToKeep);
    if (!read.isEmpty())
        put(document.path(), read);
    QVERIFY(document.read().ok());
    QFile::remove(document.path());
    if (atSave == "<folder>")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("notes.ntr")));
    else if (atSave != "<missing>" && !atSave.isEmpty())
        put(document.path(), atSave);

    QStringList questions;
    document.setTextSource([] { return QStringLiteral("mine"); });
    const SaveOutcome outcome = document.save(typed, [&](const QString& copyName) {
        questions << copyName;
        return ConflictChoice(answer);
    });
    QCOMPARE(int(outcome.status), status);
    QCOMPARE(questions.size(), asked ? 1 : 0);
    QCOMPARE(QFileInfo(document.path()).isDir() ? QByteArray("<missing>") : bytesOf(document.path()), after);
    const QStringList copies = QDir(dir.path()).entryList({ QStringLiteral("notes (changed on disk *).ntr") });
    QCOMPARE(copies.size(), copyKept ? 1 : 0);
    QCOMPARE(outcome.keptCopyName, copyKept ? copies.value(0) : QString());
    if (copyKept) {
        QCOMPARE(copies[0], questions[0]);
        QCOMPARE(bytesOf(dir.filePath(copies[0])), atSave);
    }
    QVERIFY(outcome.status != SaveOutcome::Status::Refused || outcome.error.contains(document.path()));
    // Every write is a version for the history: the page's, and the other one kept beside it.
    QCOMPARE(versions.size(), (status == int(SaveOutcome::Status::Saved) ? 1 : 0) + (copyKept ? 1 : 0));
}

QTEST_GUILESS_MAIN(TestKeeping)
#include "tst_keeping.moc"
