#pragma once

#include "core/page/AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and writing a whole page file. Lines end in CR LF; a file written from a text box is its
// text followed by one CR LF, unless the text already ends with a line end.
namespace tabwise {

struct PageRead {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Ok;
    QString text; // the decoded file; empty when missing or failed
    QString error; // why the file could not be read
    QByteArray content; // the digest of the bytes read (see contentDigest); empty when missing or failed
    bool ok() const { return status != Status::Failed; }
};

// What tells one content of a page file from another: a digest of its bytes. Two files with the
// same digest hold the same bytes, whatever their times say.
QByteArray contentDigest(QByteArrayView bytes);

// A missing file reads as an empty page: it has simply not been saved yet.
PageRead readPageFile(const QString& path);

// The file's bytes as they are; nothing when it is missing or cannot be read (the reason, when
// asked for, then says which).
std::optional<QByteArray> readPageBytes(const QString& path, QString* error = nullptr);

// Replaces the file atomically: a crash, a kill or a full disk leaves either the old file or the
// new one, never a torn one. New files are readable and writable by their owner only.
FileWrite writePageFile(const QString& path, const QByteArray& bytes);

// The full path of a page file: the application folder, a separator, the file name.
QString pagePath(const QString& appFolder, const char* fileName);

} // namespace tabwise
