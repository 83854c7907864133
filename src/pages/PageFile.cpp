#include "pages/PageFile.h"

#include "pages/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tabwise {

namespace {
QString describe(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(path), reason);
}
} // namespace

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
        result.error = describe(path, QStringLiteral("This is a folder, not a page file."));
        return result;
    }
    if (info.exists() && !info.isFile()) {
        // A pipe, socket or device: reading it could wait for ever or never end.
        result.status = PageRead::Status::Failed;
        result.error = describe(path, QStringLiteral("This is not a regular file."));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = PageRead::Status::Failed;
        result.error = describe(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = PageRead::Status::Failed;
        result.error = describe(path, file.errorString());
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

PageWrite writePageFile(const QString& path, const QByteArray& bytes)
{
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered: a write that fails (a full disk) is seen by write() itself. Buffered, it would
    // fail only in the flush inside commit(), which then still puts the torn file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, describe(path, file.errorString())};
    if (!existed)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, describe(path, reason)};
    }
    if (!file.commit())
        return {false, describe(path, file.errorString())};
    return {};
}

QByteArray pageBytesFromText(const QString& boxText)
{
    QString text = boxText;
    if (!text.endsWith(u'\n') && !text.endsWith(u'\r'))
        text += QStringLiteral("\r\n");
    return encodePageText(text);
}

QString pagePath(const QString& appFolder, const char* fileName)
{
    return appFolder + QLatin1Char('/') + QLatin1String(fileName);
}

} // namespace tabwise
