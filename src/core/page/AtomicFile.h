#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writing a whole file so that a crash, a kill or a full disk leaves either the old file or the
// new one, never a torn one.
namespace tabwise {

struct FileWrite {
    bool ok = true;
    QString error; // names the file and the reason
};

// Replaces the file atomically. New files are readable and writable by their owner only; a
// replaced file keeps its permissions.
FileWrite writeFileAtomically(const QString& path, const QByteArray& bytes);

// Writes all of DATA to an unbuffered FILE. A write the disk cuts short says why only when asked
// for the rest, so the rest is asked for: on failure errorString() gives the system's reason.
bool writeAll(QFileDevice& file, QByteArrayView data);

// Why a write of SIZE bytes to PATH fails now, in the system's words ("No space left on device"),
// found by trying one beside the file that is never put in its place; empty when it would succeed.
// For writers that say only that they failed.
QString writeFailureReason(const QString& path, qint64 size);

// "<path>\n\n<reason>": how every failure with a file is told to the user.
QString fileErrorText(const QString& path, const QString& reason);

} // namespace tabwise
