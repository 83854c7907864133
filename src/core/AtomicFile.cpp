#include "core/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tabwise {

QString fileErrorText(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(path), reason);
}

FileWrite writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered: a write that fails (a full disk) is seen by write() itself. Buffered, it would
    // fail only in the flush inside commit(), which then still puts the torn file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return { false, fileErrorText(path, file.errorString()) };
    if (!existed)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return { false, fileErrorText(path, reason) };
    }
    if (!file.commit())
        return { false, fileErrorText(path, file.errorString()) };
    return {};
}

} // namespace tabwise
