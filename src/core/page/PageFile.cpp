#include "core/page/PageFile.h"

#include "core/page/AtomicFile.h"
#include "core/page/TextEncoding.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tabwise {

namespace {

struct BytesRead {
    PageRead::Status status = PageRead::Status::Ok;
    QByteArray bytes;
    QString error;
};

BytesRead readBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return { PageRead::Status::Missing, {}, {} };
    if (info.isDir())
        return { PageRead::Status::Failed, {},
            fileErrorText(path, QCoreApplication::translate("Pages", "This is a folder, not a page file.")) };
    // A pipe, socket or device: reading it could wait for ever or never end.
    if (info.exists() && !info.isFile())
        return { PageRead::Status::Failed, {},
            fileErrorText(path, QCoreApplication::translate("Pages", "This is not a regular file.")) };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { PageRead::Status::Failed, {}, fileErrorText(path, file.errorString()) };
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return { PageRead::Status::Failed, {}, fileErrorText(path, file.errorString()) };
    return { PageRead::Status::Ok, std::move(bytes), {} };
}

} // namespace

QByteArray contentDigest(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256);
}

PageRead readPageFile(const QString& path)
{
    BytesRead read = readBytes(path);
    PageRead result;
    result.status = read.status;
    result.error = read.error;
    if (read.status == PageRead::Status::Ok) {
        result.content = contentDigest(read.bytes);
        result.text = decodePageBytes(read.bytes);
    }
    return result;
}

std::optional<QByteArray> readPageBytes(const QString& path, QString* error)
{
    BytesRead read = readBytes(path);
    if (error)
        *error = read.error;
    if (read.status != PageRead::Status::Ok)
        return std::nullopt;
    return std::move(read.bytes);
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
