#include "core/backup/CopyPages.h"

#include "core/page/AtomicFile.h"
#include "core/page/PageTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
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
    return error ? QString::fromLocal8Bit(error.message())
                 : QCoreApplication::translate("Backup", "The folder cannot be read.");
}

bool isLinkToNothing(const QFileInfo& info)
{
    return info.isSymLink() && !info.exists();
}

// Copies the open source whole into a file at TO, through a temporary file renamed over it.
QString writeCopy(QFile& source, const QString& to)
{
    const bool existed = QFileInfo::exists(to);
    QSaveFile copy(to);
    // Unbuffered: a write that fails (a full disk) is seen by write() itself. Buffered, it would
    // fail only in the flush inside commit(), which then still puts the torn copy in place.
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return copy.errorString();
    if (!existed)
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

// The copy takes the place of the link LINK: it is written beside it under a name that is no page
// file's and renamed over the link itself, which rename() never follows.
QString replaceLink(QFile& source, const QString& link)
{
    const QFileInfo info(link);
    const QString beside
        = unusedPath(info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".copy")));
    if (const QString reason = writeCopy(source, beside); !reason.isEmpty())
        return reason;
    std::error_code error;
    std::filesystem::rename(nativePath(beside), nativePath(link), error);
    if (!error)
        return {};
    QFile::remove(beside);
    return QString::fromLocal8Bit(error.message());
}

} // namespace

bool CopyOutcome::copiedAllThereWas() const
{
    return refusal == Refusal::None
        && std::all_of(notCopied.begin(), notCopied.end(), [](const NotCopied& file) { return file.linkToNothing; });
}

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

QString copyPageFile(const QString& from, const QString& to, CopyInto into)
{
    // A page that is a link is copied as the file it leads to, which must be there and a page file.
    const QFileInfo origin(from);
    if (isLinkToNothing(origin))
        return QCoreApplication::translate("Backup", "This is a link to %1, which does not exist.")
            .arg(QDir::toNativeSeparators(origin.symLinkTarget()));
    if (origin.exists() && !origin.isFile())
        return QCoreApplication::translate(
            "Backup", "This is not a regular file."); // a pipe could keep the copy waiting
    QFile source(from);
    const QFileInfo target(to);
    const bool replacing = into == CopyInto::Folder && target.isSymLink();
    // As Save does not, nothing is written through a page link whose file is missing: its folder
    // may be a drive not mounted now.
    if (!replacing && isLinkToNothing(target))
        return QCoreApplication::translate(
            "Backup", "The file in the destination is a link to %1, which does not exist.")
            .arg(QDir::toNativeSeparators(target.symLinkTarget()));
    if (!replacing && isReadOnly(target))
        return QCoreApplication::translate("Backup", "The file in the destination is read-only.");
    if (!replacing && target.isDir())
        return QCoreApplication::translate("Backup", "The destination holds a folder of this name.");
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    // A page that is a link is written through it, as Save does.
    return replacing ? replaceLink(source, to) : writeCopy(source, to);
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
    // "*.NTR" too: pages backed up on a disk that keeps names in capitals. System: a link whose
    // target is missing is listed only with it.
    dir.setFilter(QDir::Files | QDir::System | QDir::Hidden);
    dir.setSorting(QDir::Name);
    QStringList names;
    for (const QFileInfo& info : dir.entryInfoList()) {
        if (info.isSymLink() ? !info.isDir() : info.isFile())
            names << info.fileName();
    }
    return names;
}

CopyOutcome copyPageFiles(const QString& fromFolder, const QString& toFolder, CopyInto into)
{
    CopyOutcome outcome;
    const QFileInfo from(fromFolder);
    const QFileInfo to(toFolder);
    if (!to.isDir()) {
        outcome.refusal = CopyOutcome::Refusal::DestinationMissing;
        outcome.refusalReason = to.exists() ? QCoreApplication::translate("Backup", "This is not a folder.")
                                            : QCoreApplication::translate("Backup", "The folder does not exist.");
        return outcome;
    }
    if (!from.isDir() || !from.isReadable()) {
        outcome.refusal = CopyOutcome::Refusal::SourceUnreadable;
        outcome.refusalReason = from.exists() ? folderReadError(fromFolder)
                                              : QCoreApplication::translate("Backup", "The folder does not exist.");
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
        const QString target = into == CopyInto::Pages ? pageNameFor(name) : name;
        const bool overLink = into == CopyInto::Folder && QFileInfo(destination.filePath(target)).isSymLink();
        const QString reason = copyPageFile(source.filePath(name), destination.filePath(target), into);
        if (!reason.isEmpty()) {
            outcome.notCopied.append({ name, reason, isLinkToNothing(QFileInfo(source.filePath(name))) });
            continue;
        }
        outcome.copied << target;
        if (overLink)
            outcome.linksReplaced << target;
    }
    return outcome;
}

} // namespace tabwise
