#pragma once

#include <QString>

#include <optional>

// What identifies one state of a page file on disk, so that a page whose file has not changed
// since it was read need not be read again. Any change by any program shows: a write changes the
// change time (which no program can set back), a replacement changes the inode.
namespace tabwise {

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp fileStamp(const QString& path);

// The stamp of a file whose state can be told apart from any later one. A file written in the
// last few milliseconds may be written again within the same tick of the file system's clock without
// changing its times; such a stamp proves nothing and is not given.
std::optional<FileStamp> settledFileStamp(const QString& path);

} // namespace tabwise
