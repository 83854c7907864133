#include "core/page/PageBaseline.h"

#include "core/page/PageFile.h"

namespace tabwise {

void PageBaseline::set(const QByteArray& content, const std::optional<FileStamp>& stamp)
{
    m_content = content;
    m_stamp = stamp;
}

void PageBaseline::clear()
{
    m_content.reset();
    m_stamp.reset();
}

PageBaseline::Disk PageBaseline::compare(const QString& path, QString* error)
{
    if (m_content && m_stamp && *m_stamp == fileStamp(path))
        return Disk::Same;
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    QString reason;
    const std::optional<QByteArray> bytes = readPageBytes(path, &reason);
    if (error)
        *error = reason;
    if (!bytes && !reason.isEmpty())
        return Disk::Unreadable;
    if (!m_content || (bytes ? contentDigest(*bytes) : QByteArray()) != *m_content)
        return Disk::Changed;
    m_stamp = stamp;
    return Disk::Same;
}

} // namespace tabwise
