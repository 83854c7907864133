#include "core/page/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tabwise {

QString fileErrorText(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(path), reason);
}

bool writeAll(QFileDevice& file, QByteArrayView data)
{
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = file.write(data.data() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return true;
}

QString writeFailureReason(const QString& path, qint64 size)
{
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return probe.errorString();
    const QByteArray block(64 * 1024, '\0');
    for (qint64 left = size; left > 0; left -= block.size()) {
        if (!writeAll(probe, QByteArrayView(block).first(qsizetype(std::min(left, qint64(block.size())))))) {
            const QString reason = probe.errorString();
            probe.cancelWriting();
            return reason;
        }
    }
    probe.cancelWriting();
    return {};
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
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return { false, fileErrorText(path, reason) };
    }
    if (!file.commit())
        return { false, fileErrorText(path, file.errorString()) };
    return {};
}

} // namespace tabwise
