#include "core/history/HistoryStore.h"

#include "core/history/GitHandles.h"
#include "core/history/HistoryCommits.h"
#include "core/history/HistoryNewest.h"
#include "core/history/HistoryPacks.h"
#include "core/history/HistoryRewrite.h"
#include "core/page/AtomicFile.h"

#include <git2/sys/repository.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>

namespace tabwise {

namespace {
const std::atomic_bool neverStop { false };
} // namespace

struct HistoryStore::Private {
    QString appFolder;
    QString root;
    QString path;
    Access access;
    std::unique_ptr<git::Library> library; // while the repository is open
    git::Repository repo;
    QString problem;
    const std::atomic_bool* stop = &neverStop;

    bool open();
    bool loadLibrary();
    bool openExisting();
    bool intact();
    bool create();
    bool startAfresh(const QString& reason);
    void useOwnObjectModes();
    bool fail(const QString& what);
    std::nullopt_t unreadable(const QString& what)
    {
        fail(what);
        return std::nullopt;
    }
    Recorded recordOnce(const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time);
    std::optional<LineChanges> changesFrom(const git_tree_entry* before, const QByteArray& bytes);
};

bool HistoryStore::Private::fail(const QString& what)
{
    //: A step of the history that failed, then the reason
    problem = fileErrorText(path, QCoreApplication::translate("History", "%1: %2").arg(what, git::lastError()));
    return false;
}

bool HistoryStore::Private::open()
{
    if (repo)
        return true;
    if (access == Access::ReadOnly && !QFileInfo::exists(path))
        return true; // a history not begun yet is an empty one
    // libgit2 is loaded with the first repository, not where the store is made (the window's start).
    if (!loadLibrary())
        return false;
    if (access == Access::ReadOnly)
        return openExisting() || fail(QCoreApplication::translate("History", "The history cannot be read"));
    QString error;
    if (!makePrivateFolder(root, &error)) {
        problem = error;
        return false;
    }
    if (!QFileInfo::exists(path))
        return create();
    git_error_clear();
    errno = 0;
    if (openExisting() && intact()) {
        history::removeLeftovers(path);
        return true;
    }
    if (git::lastErrorIsSystem())
        return fail(QCoreApplication::translate("History", "The history cannot be opened"));
    return startAfresh(git::lastError());
}

bool HistoryStore::Private::loadLibrary()
{
    if (!library)
        library = std::make_unique<git::Library>();
    if (library->ok())
        return true;
    problem = fileErrorText(path,
        QCoreApplication::translate("History", "The history needs libgit2, which cannot be loaded: %1")
            .arg(library->error()));
    library.reset();
    return false;
}

bool HistoryStore::Private::openExisting()
{
    git_repository* raw = nullptr;
    if (git_repository_open_bare(&raw, QFile::encodeName(path).constData()) < 0)
        return false;
    repo.reset(raw);
    if (access == Access::ReadWrite)
        useOwnObjectModes();
    return true;
}

bool HistoryStore::Private::intact()
{
    bool ok = false;
    const git::Commit head = history::headCommit(repo.get(), &ok);
    return ok && (!head || history::treeOf(head.get()));
}

bool HistoryStore::Private::create()
{
    const QByteArray description = QStringLiteral("Page history of %1\n").arg(appFolder).toUtf8();
    git_repository_init_options options = GIT_REPOSITORY_INIT_OPTIONS_INIT;
    options.flags = GIT_REPOSITORY_INIT_BARE | GIT_REPOSITORY_INIT_NO_REINIT | GIT_REPOSITORY_INIT_MKPATH;
    options.initial_head = "main";
    options.description = description.constData();
    git_repository* raw = nullptr;
    if (git_repository_init_ext(&raw, QFile::encodeName(path).constData(), &options) < 0) {
        fail(QCoreApplication::translate("History", "The history cannot be created"));
        QDir(path).removeRecursively(); // holds nothing yet
        return false;
    }
    repo.reset(raw);
    git_config* config = nullptr;
    if (git_repository_config(&config, raw) == 0) {
        git_config_set_bool(config, "core.logAllRefUpdates", 0);
        git_config_set_int32(config, "gc.auto", 0); // packing is the program's own business
        git_config_free(config);
    }
    keepPrivate(path);
    useOwnObjectModes();
    return true;
}

bool HistoryStore::Private::startAfresh(const QString& reason)
{
    repo.reset();
    QString error;
    const QString aside = setAside(path, &error);
    if (aside.isEmpty()) {
        problem = error;
        return false;
    }
    if (!create())
        return false;
    problem = fileErrorText(path,
        //: %1 is what was wrong, %2 the folder it was moved to
        QCoreApplication::translate(
            "History", "The history was damaged (%1). It was set aside as %2, and a new history was begun.")
            .arg(reason, aside));
    return true;
}

// New objects are written readable and writable by their owner only, and reach the disk before
// they count as written.
void HistoryStore::Private::useOwnObjectModes()
{
    const QByteArray objects = QFile::encodeName(path + QStringLiteral("/objects"));
    git_odb* odb = nullptr;
    git_odb_backend* packed = nullptr;
    git_odb_backend* loose = nullptr;
    if (git_odb_new(&odb) < 0)
        return;
    const git::Odb owned(odb);
    if (git_odb_backend_pack(&packed, objects.constData()) < 0 || git_odb_add_backend(odb, packed, 2) < 0
        || git_odb_backend_loose(&loose, objects.constData(), -1, 1, 0700, 0600) < 0
        || git_odb_add_backend(odb, loose, 1) < 0)
        return;
    git_repository_set_odb(repo.get(), odb);
}

HistoryStore::HistoryStore(const QString& appFolder, const QString& root, Access access)
    : d(new Private)
{
    d->appFolder = appFolder;
    d->root = root;
    d->path = historyRepositoryPath(root, appFolder);
    d->access = access;
}

HistoryStore::~HistoryStore() = default;

QString HistoryStore::path() const
{
    return d->path;
}

QString HistoryStore::problem() const
{
    return d->problem;
}

void HistoryStore::setStopFlag(const std::atomic_bool* stop)
{
    d->stop = stop ? stop : &neverStop;
}

HistoryStore::Recorded HistoryStore::record(
    const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time)
{
    d->problem.clear();
    if (d->access == Access::ReadOnly)
        return Recorded::Failed;
    if (!d->repo && history::isNewest(d->path, fileName.toUtf8(), bytes))
        return Recorded::Same; // known without opening the repository
    if (!d->open())
        return Recorded::Failed;
    Recorded result = d->recordOnce(fileName, bytes, cause, time);
    if (result == Recorded::Failed && !git::lastErrorIsSystem() && !d->intact() && d->startAfresh(git::lastError()))
        result = d->recordOnce(fileName, bytes, cause, time);
    keepPrivate(d->path);
    return result;
}

HistoryStore::Recorded HistoryStore::Private::recordOnce(
    const QString& fileName, const QByteArray& bytes, const QString& cause, const QDateTime& time)
{
    const auto failed = [this, &fileName] {
        fail(QCoreApplication::translate("History", "A version of %1 could not be kept").arg(fileName));
        return Recorded::Failed;
    };
    git_error_clear();
    errno = 0;
    const QByteArray name = fileName.toUtf8();
    bool ok = false;
    const git::Commit head = history::headCommit(repo.get(), &ok);
    const git::Tree tree = history::treeOf(head.get());
    git_oid blob;
    if (!ok || (head && !tree) || git_odb_hash(&blob, bytes.constData(), size_t(bytes.size()), GIT_OBJECT_BLOB) < 0)
        return failed();
    const git_tree_entry* before = history::entryIn(tree.get(), name);
    if (before && git_oid_equal(git_tree_entry_id(before), &blob)) {
        if (!history::isNewest(path, name, bytes))
            history::noteNewest(path, head.get());
        return Recorded::Same;
    }
    const std::optional<LineChanges> changes = changesFrom(before, bytes);
    const git::Signature signature = history::signatureAt(time);
    if (git_blob_create_from_buffer(&blob, repo.get(), bytes.constData(), size_t(bytes.size())) < 0 || !signature)
        return failed();
    const std::optional<git_oid> commit = history::commitPage(
        repo.get(), head.get(), tree.get(), name, blob, signature.get(), history::messageFor(cause, changes));
    if (!commit || !history::moveHead(repo.get(), *commit))
        return failed();
    if (git_commit* made = nullptr; git_commit_lookup(&made, repo.get(), &*commit) == 0)
        history::noteNewest(path, git::Commit(made).get());
    return Recorded::New;
}

std::optional<LineChanges> HistoryStore::Private::changesFrom(const git_tree_entry* before, const QByteArray& bytes)
{
    if (!before)
        return countLineChanges({}, bytes);
    git_blob* raw = nullptr;
    if (git_blob_lookup(&raw, repo.get(), git_tree_entry_id(before)) < 0)
        return std::nullopt; // the version before cannot be read: the new one is kept all the same
    const git::Blob blob(raw);
    const QByteArray previous
        = QByteArray::fromRawData(static_cast<const char*>(git_blob_rawcontent(raw)), qsizetype(git_blob_rawsize(raw)));
    return countLineChanges(previous, bytes);
}

bool HistoryStore::packIfDue()
{
    d->problem.clear();
    if (d->access == Access::ReadOnly || !d->repo)
        return true;
    git_error_clear();
    errno = 0;
    const history::PackOutcome outcome = history::packIfDue(d->repo.get(), d->path, d->stop);
    if (outcome.packed) {
        d->repo.reset();
        d->openExisting();
        keepPrivate(d->path);
    }
    if (outcome.ok || d->stop->load())
        return true;
    // Without room for a pack the versions stay loose until there is; a history whose objects
    // cannot be read is damaged: it is set aside, and the next version begins a new one.
    if (git::lastErrorIsSystem() || !d->startAfresh(git::lastError())) {
        d->problem = outcome.error;
        return false;
    }
    return true;
}

std::optional<QList<HistoryVersion>> HistoryStore::versions(const QString& fileName)
{
    d->problem.clear();
    if (d->access == Access::ReadOnly)
        d->repo.reset(); // sees what the writer did since
    if (!d->repo && !QFileInfo::exists(d->path))
        return QList<HistoryVersion> {}; // not begun yet: reading does not begin it
    if (!d->open())
        return std::nullopt;
    QList<HistoryVersion> found;
    if (!d->repo)
        return found;
    const QByteArray name = fileName.toUtf8();
    bool ok = false;
    git::Commit commit = history::headCommit(d->repo.get(), &ok);
    git::Tree tree = history::treeOf(commit.get());
    git_odb* odb = nullptr;
    if (!ok || git_repository_odb(&odb, d->repo.get()) < 0)
        return d->unreadable(QCoreApplication::translate("History", "The history cannot be read"));
    const git::Odb ownedOdb(odb);
    while (commit) {
        git::Commit parent = history::parentOf(commit.get());
        git::Tree parentTree = history::treeOf(parent.get());
        if (!tree || (git_commit_parentcount(commit.get()) > 0 && !parentTree))
            return d->unreadable(
                QCoreApplication::translate("History", "The history of %1 cannot be read").arg(fileName));
        const git_tree_entry* entry = history::entryIn(tree.get(), name);
        const git_tree_entry* before = history::entryIn(parentTree.get(), name);
        if (entry && (!before || !git_oid_equal(git_tree_entry_id(before), git_tree_entry_id(entry)))) {
            size_t size = 0;
            git_object_t type;
            git_odb_read_header(&size, &type, odb, git_tree_entry_id(entry));
            found.append({ git::toHex(*git_commit_id(commit.get())), git::toHex(*git_tree_entry_id(entry)),
                history::timeOf(commit.get()), history::causeOf(commit.get()), qint64(size),
                history::changesOf(commit.get()) });
        }
        commit = std::move(parent);
        tree = std::move(parentTree);
    }
    return found;
}

std::optional<QByteArray> HistoryStore::read(const HistoryVersion& version)
{
    d->problem.clear();
    const git_oid id = git::fromHex(version.blob);
    git_blob* raw = nullptr;
    if (!d->open() || !d->repo || git_blob_lookup(&raw, d->repo.get(), &id) < 0)
        return d->unreadable(
            //: %1 is the date and time the version was kept
            QCoreApplication::translate("History", "The version of %1 cannot be read")
                .arg(QLocale().toString(version.time.toLocalTime(), QLocale::ShortFormat)));
    const git::Blob blob(raw);
    return QByteArray(static_cast<const char*>(git_blob_rawcontent(raw)), qsizetype(git_blob_rawsize(raw)));
}

bool HistoryStore::prune(int keepDays, const QDateTime& now)
{
    d->problem.clear();
    if (keepDays <= 0 || d->access == Access::ReadOnly)
        return true;
    if (!d->open())
        return false;
    bool ok = false;
    const git::Commit head = history::headCommit(d->repo.get(), &ok);
    const std::optional<git_oid> tip = history::withoutVersionsBefore(d->repo.get(), now.addDays(-keepDays));
    if (!ok || !tip)
        return d->fail(QCoreApplication::translate("History", "Old versions could not be dropped"));
    if (!head || git_oid_equal(&*tip, git_commit_id(head.get())))
        return true;
    const history::PackOutcome outcome = history::repackAll(d->repo.get(), d->path, *tip, d->stop);
    d->repo.reset();
    d->openExisting();
    keepPrivate(d->path);
    if (!d->stop->load())
        d->problem = outcome.error;
    return outcome.ok || d->stop->load();
}

void HistoryStore::close()
{
    d->repo.reset();
    d->library.reset();
}

bool HistoryStore::clear()
{
    d->problem.clear();
    close();
    QString error;
    if (QFileInfo::exists(d->root) && !removeRepository(d->path, &error)) {
        d->problem = error;
        return false;
    }
    return true;
}

} // namespace tabwise
