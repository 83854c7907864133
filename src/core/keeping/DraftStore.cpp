#include "core/keeping/DraftStore.h"

#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"
#include "core/settings/UserFolders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <unistd.h>

namespace tabwise {

namespace {

const QByteArray magic = QByteArrayLiteral("Tabwise draft 2");
// Drafts of an earlier version: the typing whole, no changes after it.
const QByteArray wholeOnlyMagic = QByteArrayLiteral("Tabwise draft 1");

// A change as the draft keeps it: a line "edit <position> <removed> <bytes> <check>", then the
// added text as UTF-16 (little-endian: every character as it was, even half of a pair), then a
// line end.
QByteArray editCheck(const QByteArray& numbers, QByteArrayView added)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(numbers);
    hash.addData(added);
    return hash.result().toHex().left(16);
}

QByteArray encodeEdit(const TextEdit& edit)
{
    QByteArray added(edit.added.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < edit.added.size(); ++i)
        qToLittleEndian(edit.added.at(i).unicode(), added.data() + 2 * i);
    const QByteArray numbers = QByteArray::number(edit.position) + ' ' + QByteArray::number(edit.removed) + ' '
        + QByteArray::number(added.size());
    return "edit " + numbers + ' ' + editCheck(numbers, added) + '\n' + added + '\n';
}

// The changes kept after the whole typing, up to the first that is cut short or damaged (a crash
// while one was added).
QList<TextEdit> decodeEdits(QByteArrayView journal)
{
    QList<TextEdit> edits;
    while (!journal.isEmpty()) {
        const qsizetype lineEnd = journal.indexOf('\n');
        const QList<QByteArray> fields = journal.first(std::max<qsizetype>(lineEnd, 0)).toByteArray().split(' ');
        bool ok[3] = {};
        const qsizetype size = fields.size() == 5 ? fields[3].toLongLong(&ok[2]) : -1;
        if (lineEnd < 0 || fields[0] != "edit" || size < 0 || size % 2 || journal.size() < lineEnd + size + 2)
            break;
        const QByteArrayView added = journal.sliced(lineEnd + 1, size);
        TextEdit edit { fields[1].toLongLong(&ok[0]), fields[2].toLongLong(&ok[1]), {} };
        const QByteArray numbers = fields[1] + ' ' + fields[2] + ' ' + fields[3];
        if (!ok[0] || !ok[1] || !ok[2] || journal.at(lineEnd + 1 + size) != '\n'
            || editCheck(numbers, added) != fields[4])
            break;
        edit.added.resize(size / 2);
        for (qsizetype i = 0; i < edit.added.size(); ++i)
            edit.added[i] = QChar(qFromLittleEndian<char16_t>(added.data() + 2 * i));
        edits.append(edit);
        journal = journal.sliced(lineEnd + size + 2);
    }
    return edits;
}

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
    const bool withEdits = header.value(0) == magic;
    bool sized = false;
    const qsizetype length = field(header, "length").toLongLong(&sized);
    const QByteArray body = end < 0 ? QByteArray() : withEdits ? bytes.mid(end + 2, length) : bytes.mid(end + 2);
    if ((!withEdits && header.value(0) != wholeOnlyMagic) || !sized || length != body.size()
        || QByteArray::fromHex(field(header, "digest")) != contentDigest(body)) {
        draft.error = fileErrorText(path, QCoreApplication::translate("Drafts", "The file is damaged."));
        return draft;
    }
    const QByteArray base = field(header, "base");
    if (base == "none")
        draft.base = QByteArray();
    else if (!base.isEmpty() && base != "unknown")
        draft.base = QByteArray::fromHex(base);
    draft.written = QDateTime::fromString(QString::fromLatin1(field(header, "written")), Qt::ISODateWithMs);
    draft.text = decodePageBytes(body);
    if (withEdits && !applyEdits(draft.text, decodeEdits(QByteArrayView(bytes).sliced(end + 2 + length)))) {
        draft.text.clear();
        draft.error = fileErrorText(path, QCoreApplication::translate("Drafts", "The file is damaged."));
        return draft;
    }
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

FileWrite DraftStore::append(const QString& pageFile, const QList<TextEdit>& edits) const
{
    QString path = draftPath(pageFile);
    if (!QFileInfo::exists(path))
        path = spareDraftPath(pageFile);
    QFile file(path);
    if (!QFileInfo::exists(path) || !file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return { false,
            fileErrorText(path,
                file.exists() ? file.errorString() : QCoreApplication::translate("Drafts", "No draft to add to.")) };
    QByteArray bytes;
    for (const TextEdit& edit : edits)
        bytes += encodeEdit(edit);
    // On disk before the next change is typed, as far as the system can promise it.
    if (!writeAll(file, bytes) || !file.flush() || ::fdatasync(file.handle()) != 0)
        return { false, fileErrorText(path, file.errorString()) };
    return {};
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
