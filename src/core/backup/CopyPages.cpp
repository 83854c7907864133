#include "core/backup/CopyPages.h"

#include "core/page/AtomicFile.h"
#include "core/page/PageTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace tabwise {

namespace {

constexpr qint64 chunkSize = 64 * 1024;

bool isReadOnly(const QFileInfo& target)
{
    // Judged by the permission bits rather than by access(): the superuser may write anything, yet
    // a file its owner marked read-only is still meant to stay as it is.
    return target.exists() && !(target.permissions() & QFileDevice::WriteOwner);
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Why a folder that is there cannot be listed, in the system's words.
QString folderReadError(const QString& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator(nativePath(folder), error);
    return error ? QString::fromLocal8Bit(error.message()) : QStringLiteral("The folder cannot be read.");
}

} // namespace

QString makeFolder(const QString& path)
{
    std::error_code error;
    std::filesystem::create_directories(nativePath(path), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

QString unusedPath(const QString& wanted)
{
    QString path = wanted;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = wanted + QStringLiteral(" %1").arg(n);
    return path;
}

QString copyPageFile(const QString& from, const QString& to)
{
    const QFileInfo target(to);
    if (isReadOnly(target))
        return QStringLiteral("The file in the destination is read-only.");
    if (target.isDir())
        return QStringLiteral("The destination holds a folder of this name.");

    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile copy(to);
    // Unbuffered: a write that fails (a full disk) is seen by write() itself. Buffered, it would
    // fail only in the flush inside commit(), which then still puts the torn copy in place.
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return copy.errorString();
    if (!target.exists())
        copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(chunkSize);
        if (source.error() != QFileDevice::NoError) {
            const QString reason = source.errorString();
            copy.cancelWriting();
            return reason;
        }
        if (!writeAll(copy, chunk)) {
            const QString reason = copy.errorString();
            copy.cancelWriting();
            return reason;
        }
    }
    if (!copy.commit())
        return copy.errorString();
    return {};
}

QString pageNameFor(const QString& fileName)
{
    for (const PageInfo& info : pageTable) {
        if (fileName.compare(QLatin1String(info.fileName), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(info.fileName);
    }
    return fileName;
}

QStringList pageFileNames(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({ QStringLiteral("*.ntr") });
    // "*.NTR" too: pages backed up on a disk that keeps names in capitals.
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    dir.setSorting(QDir::Name);
    QStringList names;
    for (const QFileInfo& info : dir.entryInfoList()) {
        if (info.isFile() && !info.isSymLink())
            names << info.fileName();
    }
    return names;
}

CopyOutcome copyPageFiles(const QString& fromFolder, const QString& toFolder, CopyNaming naming)
{
    CopyOutcome outcome;
    const QFileInfo from(fromFolder);
    const QFileInfo to(toFolder);
    if (!to.isDir()) {
        outcome.refusal = CopyOutcome::Refusal::DestinationMissing;
        outcome.refusalReason
            = to.exists() ? QStringLiteral("This is not a folder.") : QStringLiteral("The folder does not exist.");
        return outcome;
    }
    if (!from.isDir() || !from.isReadable()) {
        outcome.refusal = CopyOutcome::Refusal::SourceUnreadable;
        outcome.refusalReason
            = from.exists() ? folderReadError(fromFolder) : QStringLiteral("The folder does not exist.");
        return outcome;
    }
    if (from.canonicalFilePath() == to.canonicalFilePath()) {
        outcome.refusal = CopyOutcome::Refusal::SameFolder;
        return outcome;
    }

    const QStringList names = pageFileNames(fromFolder);
    if (names.isEmpty()) {
        outcome.refusal = CopyOutcome::Refusal::NoPageFiles;
        return outcome;
    }
    const QDir source(fromFolder);
    const QDir destination(toFolder);
    for (const QString& name : names) {
        const QString target = naming == CopyNaming::AsPages ? pageNameFor(name) : name;
        const QString reason = copyPageFile(source.filePath(name), destination.filePath(target));
        if (reason.isEmpty())
            outcome.copied << target;
        else
            outcome.notCopied.append({ name, reason });
    }
    return outcome;
}

} // namespace tabwise
