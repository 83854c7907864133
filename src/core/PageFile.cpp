#include "core/PageFile.h"

#include "core/AtomicFile.h"
#include "core/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tabwise {

PageRead readPageFile(const QString& path)
{
    PageRead result;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        result.status = PageRead::Status::Missing;
        return result;
    }
    if (info.isDir()) {
        result.status = PageRead::Status::Failed;
        result.error = fileErrorText(path, QStringLiteral("This is a folder, not a page file."));
        return result;
    }
    if (info.exists() && !info.isFile()) {
        // A pipe, socket or device: reading it could wait for ever or never end.
        result.status = PageRead::Status::Failed;
        result.error = fileErrorText(path, QStringLiteral("This is not a regular file."));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = PageRead::Status::Failed;
        result.error = fileErrorText(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = PageRead::Status::Failed;
        result.error = fileErrorText(path, file.errorString());
        return result;
    }
    result.text = decodePageBytes(bytes);
    return result;
}

std::optional<QByteArray> readPageBytes(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

FileWrite writePageFile(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

QString pagePath(const QString& appFolder, const char* fileName)
{
    return appFolder + QLatin1Char('/') + QLatin1String(fileName);
}

} // namespace tabwise
