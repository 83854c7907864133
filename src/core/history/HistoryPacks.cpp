#include "core/history/HistoryPacks.h"

#include "core/history/GitHandles.h"
#include "core/history/HistoryCommits.h"
#include "core/page/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace tabwise::history {

namespace {

constexpr qint64 looseBytesDue = 256 << 10;
constexpr int looseCountDue = 256;
constexpr int factor = 2;
constexpr qsizetype mostPacks = 5;

struct Pack {
    QString name; // "pack-<id>"; empty for the loose objects
    quint32 count = 0;
};

struct Loose {
    std::vector<git_oid> ids;
    QStringList files;
    qint64 bytes = 0;
};

bool isHex(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
}

Loose looseObjects(const QString& objects)
{
    Loose loose;
    for (const QFileInfo& folder : QDir(objects).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder.fileName().size() != 2 || !isHex(folder.fileName()))
            continue;
        for (const QFileInfo& file : QDir(folder.filePath()).entryInfoList(QDir::Files)) {
            const QByteArray hex = (folder.fileName() + file.fileName()).toLatin1();
            if (hex.size() != GIT_OID_HEXSZ || !isHex(file.fileName()))
                continue;
            loose.ids.push_back(git::fromHex(hex));
            loose.files << file.filePath();
            loose.bytes += file.size();
        }
    }
    return loose;
}

// The number of objects in a pack, from its index (version 2: magic, version, 256 fan-out counts).
quint32 objectCount(const QString& index)
{
    QFile file(index);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(8 + 256 * 4);
    if (head.size() != 8 + 256 * 4 || !head.startsWith("\377tOc"))
        return 0;
    return qFromBigEndian<quint32>(head.constData() + 8 + 255 * 4);
}

QList<Pack> packs(const QString& objects)
{
    QList<Pack> found;
    const QDir folder(objects + QStringLiteral("/pack"));
    for (const QFileInfo& index : folder.entryInfoList({ QStringLiteral("pack-*.idx") }, QDir::Files)) {
        if (folder.exists(index.completeBaseName() + QStringLiteral(".pack")))
            found.append({ index.completeBaseName(), objectCount(index.filePath()) });
    }
    return found;
}

// The packs (and the loose objects, named "") to roll into one new pack: the smallest ones, up to
// where the rest forms a geometric progression and is at least `factor` times as large, and then
// as many more as keep the packs to `mostPacks`.
QList<Pack> rollUp(QList<Pack> all)
{
    std::sort(all.begin(), all.end(), [](const Pack& a, const Pack& b) { return a.count < b.count; });
    qsizetype split = all.size() - 1;
    while (split > 0 && all[split].count >= factor * qint64(all[split - 1].count))
        --split;
    if (split > 0)
        ++split;
    const auto loose = std::find_if(all.begin(), all.end(), [](const Pack& p) { return p.name.isEmpty(); });
    split = std::max(split, qsizetype(loose - all.begin()) + 1);
    qint64 total = 0;
    for (qsizetype i = 0; i < split; ++i)
        total += all[i].count;
    for (; split < all.size() && (all[split].count < factor * total || all.size() - split + 1 > mostPacks); ++split)
        total += all[split].count;
    return all.first(split);
}

int stopWhenAsked(int, uint32_t, uint32_t, void* stop)
{
    return static_cast<const std::atomic_bool*>(stop)->load() ? GIT_EUSER : 0;
}
int stopIndexingWhenAsked(const git_indexer_progress*, void* stop)
{
    return static_cast<const std::atomic_bool*>(stop)->load() ? GIT_EUSER : 0;
}

// Deletes the packed loose objects, and the folders they leave empty (each takes room too).
void removeLoose(const Loose& loose)
{
    for (const QString& file : loose.files) {
        QFile::remove(file);
        QDir().rmdir(QFileInfo(file).path()); // only when empty
    }
}

void removePack(const QString& objects, const QString& name)
{
    for (const char* extension : { ".keep", ".rev", ".idx", ".pack" })
        QFile::remove(objects + QStringLiteral("/pack/") + name + QLatin1String(extension));
}

PackOutcome failed(const QString& path, const QString& reason)
{
    return { false, false, fileErrorText(path, reason) };
}

// Writes a pack of the objects FILL inserts. The new pack's name, or an empty string.
template <typename Fill>
QString writePack(git_repository* repo, const QString& objects, const std::atomic_bool* stop, Fill fill)
{
    git_packbuilder* raw = nullptr;
    if (git_packbuilder_new(&raw, repo) < 0)
        return {};
    const git::PackBuilder builder(raw);
    // One thread: the program's window and the user's other work keep the second core.
    git_packbuilder_set_threads(builder.get(), 1);
    git_packbuilder_set_callbacks(builder.get(), stopWhenAsked, const_cast<std::atomic_bool*>(stop));
    if (!fill(builder.get()))
        return {};
    const QByteArray folder = QFile::encodeName(objects + QStringLiteral("/pack"));
    if (git_packbuilder_write(
            builder.get(), folder.constData(), 0600, stopIndexingWhenAsked, const_cast<std::atomic_bool*>(stop))
        < 0)
        return {};
    return QStringLiteral("pack-") + QString::fromLatin1(git::toHex(*git_packbuilder_hash(builder.get())));
}

QString reasonAfter(const std::atomic_bool* stop)
{
    return stop->load() ? QCoreApplication::translate("History", "Packing was stopped.") : git::lastError();
}

} // namespace

PackOutcome packIfDue(git_repository* repo, const QString& path, const std::atomic_bool* stop)
{
    const QString objects = path + QStringLiteral("/objects");
    const Loose loose = looseObjects(objects);
    if (loose.bytes < looseBytesDue && loose.ids.size() < looseCountDue)
        return {};
    QList<Pack> all = packs(objects);
    all.append({ QString(), quint32(loose.ids.size()) });
    const QList<Pack> merged = rollUp(all);
    const QString name = writePack(repo, objects, stop, [&](git_packbuilder* builder) {
        for (const git_oid& id : loose.ids)
            if (git_packbuilder_insert(builder, &id, nullptr) < 0)
                return false;
        for (const Pack& pack : merged) {
            if (pack.name.isEmpty())
                continue;
            git_odb_backend* backend = nullptr;
            git_odb* odb = nullptr;
            const QByteArray index = QFile::encodeName(objects + QStringLiteral("/pack/") + pack.name + ".idx");
            if (git_odb_backend_one_pack(&backend, index.constData()) < 0 || git_odb_new(&odb) < 0)
                return false;
            const git::Odb one(odb);
            if (git_odb_add_backend(odb, backend, 1) < 0)
                return false;
            const auto insert = [](const git_oid* id, void* builder) {
                return git_packbuilder_insert(static_cast<git_packbuilder*>(builder), id, nullptr);
            };
            if (git_odb_foreach(odb, insert, builder) < 0)
                return false;
        }
        return true;
    });
    if (name.isEmpty())
        return failed(path, reasonAfter(stop));
    removeLoose(loose);
    for (const Pack& pack : merged)
        if (!pack.name.isEmpty() && pack.name != name)
            removePack(objects, pack.name);
    return { true, true, {} };
}

PackOutcome repackAll(git_repository* repo, const QString& path, const git_oid& tip, const std::atomic_bool* stop)
{
    const QString objects = path + QStringLiteral("/objects");
    const Loose loose = looseObjects(objects);
    const QList<Pack> old = packs(objects);
    const QString name = writePack(repo, objects, stop, [&](git_packbuilder* builder) {
        git_revwalk* walk = nullptr;
        if (git_revwalk_new(&walk, repo) < 0)
            return false;
        const bool ok = git_revwalk_push(walk, &tip) == 0 && git_packbuilder_insert_walk(builder, walk) == 0;
        git_revwalk_free(walk);
        return ok;
    });
    if (name.isEmpty())
        return failed(path, reasonAfter(stop));
    if (!moveHead(repo, tip)) {
        const PackOutcome outcome = failed(path, git::lastError());
        removePack(objects, name);
        return outcome;
    }
    removeLoose(loose);
    for (const Pack& pack : old)
        if (pack.name != name)
            removePack(objects, pack.name);
    return { true, true, {} };
}

void removeLeftovers(const QString& path)
{
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        if (name.startsWith(QLatin1String("tmp_")) || name.startsWith(QLatin1String("pack_git2_"))
            || name.endsWith(QLatin1String(".lock")))
            QFile::remove(it.filePath());
    }
}

} // namespace tabwise::history
