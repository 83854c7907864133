#include "core/keeping/DraftStore.h"

#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"
#include "core/settings/UserFolders.h"

#include <QDir>
#include <QFile>

namespace tabwise {

namespace {

const QByteArray magic = QByteArrayLiteral("Tabwise draft 1");

QByteArray field(const QList<QByteArray>& lines, const char* name)
{
    const QByteArray prefix = QByteArray(name) + ' ';
    for (const QByteArray& line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return {};
}

Draft parse(const QByteArray& bytes, const QString& path)
{
    Draft draft;
    draft.path = path;
    draft.status = Draft::Status::Damaged;
    const qsizetype end = bytes.indexOf("\n\n");
    const QList<QByteArray> header = end < 0 ? QList<QByteArray>() : bytes.left(end).split('\n');
    const QByteArray body = end < 0 ? QByteArray() : bytes.mid(end + 2);
    bool sized = false;
    const qsizetype length = field(header, "length").toLongLong(&sized);
    if (header.value(0) != magic || !sized || length != body.size()
        || QByteArray::fromHex(field(header, "digest")) != contentDigest(body)) {
        draft.error = fileErrorText(path, QStringLiteral("The file is damaged."));
        return draft;
    }
    const QByteArray base = field(header, "base");
    if (base == "none")
        draft.base = QByteArray();
    else if (!base.isEmpty() && base != "unknown")
        draft.base = QByteArray::fromHex(base);
    draft.written = QDateTime::fromString(QString::fromLatin1(field(header, "written")), Qt::ISODateWithMs);
    draft.text = decodePageBytes(body);
    draft.status = Draft::Status::Ok;
    return draft;
}

Draft readOne(const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = readPageBytes(path, &error);
    if (bytes)
        return parse(*bytes, path);
    Draft draft;
    if (!error.isEmpty()) {
        draft.status = Draft::Status::Damaged;
        draft.path = path;
        draft.error = error;
    }
    return draft;
}

} // namespace

DraftStore::DraftStore(const QString& appFolder, const QString& spareFolder)
    : m_appFolder(appFolder)
    , m_spareFolder(spareFolder)
{
}

QString DraftStore::spareFolderFor(const QString& appFolder)
{
    return userStateFolder() + QStringLiteral("/Tabwise/drafts/") + folderId(appFolder);
}

QString DraftStore::draftPath(const QString& pageFile) const
{
    return m_appFolder + QStringLiteral("/.") + pageFile + QStringLiteral(".draft");
}

QString DraftStore::spareDraftPath(const QString& pageFile) const
{
    return m_spareFolder + QStringLiteral("/.") + pageFile + QStringLiteral(".draft");
}

Draft DraftStore::read(const QString& pageFile) const
{
    const Draft here = readOne(draftPath(pageFile));
    const Draft spare = readOne(spareDraftPath(pageFile));
    if (here.status == Draft::Status::None)
        return spare;
    if (spare.status == Draft::Status::Ok && (here.status != Draft::Status::Ok || spare.written > here.written))
        return spare;
    return here;
}

FileWrite DraftStore::write(const QString& pageFile, const QString& text, const std::optional<QByteArray>& base) const
{
    const QByteArray body = encodePageText(text);
    QByteArray bytes = magic + '\n';
    bytes += "written " + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += "base " + (!base ? QByteArray("unknown") : base->isEmpty() ? QByteArray("none") : base->toHex()) + '\n';
    bytes += "length " + QByteArray::number(body.size()) + '\n';
    bytes += "digest " + contentDigest(body).toHex() + "\n\n";
    bytes += body;
    const FileWrite here = writeFileAtomically(draftPath(pageFile), bytes);
    if (here.ok) {
        QFile::remove(spareDraftPath(pageFile));
        return here;
    }
    if (!QDir().mkpath(m_spareFolder))
        return here;
    QFile::setPermissions(m_spareFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const FileWrite spare = writeFileAtomically(spareDraftPath(pageFile), bytes);
    return spare.ok ? spare : here;
}

void DraftStore::remove(const QString& pageFile) const
{
    QFile::remove(draftPath(pageFile));
    QFile::remove(spareDraftPath(pageFile));
}

QString DraftStore::setAside(const QString& path)
{
    const QString aside
        = path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(path, aside) ? aside : path;
}

} // namespace tabwise
