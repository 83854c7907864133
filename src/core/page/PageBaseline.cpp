#include "core/page/PageBaseline.h"

#include "core/page/PageFile.h"

namespace tabwise {

void PageBaseline::set(const QByteArray& content, const std::optional<FileStamp>& stamp)
{
    m_content = content;
    m_pending = {};
    m_stamp = stamp;
}

void PageBaseline::setWritten(const QByteArray& bytes, const FileStamp& stamp)
{
    m_content.reset();
    m_pending = std::async(std::launch::async, [bytes] { return contentDigest(bytes); }).share();
    m_stamp = stamp;
}

void PageBaseline::clear()
{
    m_content.reset();
    m_pending = {};
    m_stamp.reset();
}

const std::optional<QByteArray>& PageBaseline::settledContent()
{
    if (m_pending.valid()) {
        m_content = m_pending.get();
        m_pending = {};
    }
    return m_content;
}

QByteArray PageBaseline::content() const
{
    return m_pending.valid() ? m_pending.get() : m_content.value_or(QByteArray());
}

PageBaseline::Disk PageBaseline::compare(const QString& path, QString* error)
{
    if (isKnown() && m_stamp && *m_stamp == fileStamp(path))
        return Disk::Same;
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    QString reason;
    const std::optional<QByteArray> bytes = readPageBytes(path, &reason);
    if (error)
        *error = reason;
    if (!bytes && !reason.isEmpty())
        return Disk::Unreadable;
    const std::optional<QByteArray>& content = settledContent();
    if (!content || (bytes ? contentDigest(*bytes) : QByteArray()) != *content)
        return Disk::Changed;
    m_stamp = stamp;
    return Disk::Same;
}

} // namespace tabwise
