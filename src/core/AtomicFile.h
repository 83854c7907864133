#pragma once

#include <QByteArray>
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

// "<path>\n\n<reason>": how every failure with a file is told to the user.
QString fileErrorText(const QString& path, const QString& reason);

} // namespace tabwise
