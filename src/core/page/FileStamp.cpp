#include "core/page/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

#include <ctime>

namespace tabwise {

namespace {
// File times come from the kernel's coarse clock, which advances in ticks of a few milliseconds:
// a file changed within the current tick may change again without its change time moving.
constexpr qint64 settleNs = 100'000'000;

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
} // namespace

FileStamp fileStamp(const QString& path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return { true, qint64(info.st_size), nanoseconds(info.st_mtim), nanoseconds(info.st_ctim), quint64(info.st_ino),
        quint64(info.st_dev) };
}

std::optional<FileStamp> settledFileStamp(const QString& path)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const FileStamp stamp = fileStamp(path);
    if (!stamp.exists)
        return stamp;
    // The modification time can be set to anything; the change time always follows the clock.
    if (stamp.changedNs > nanoseconds(now) - settleNs)
        return std::nullopt;
    return stamp;
}

} // namespace tabwise
