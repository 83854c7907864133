#pragma once

#include "core/page/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <future>
#include <optional>

namespace tabwise {

// What a page on screen was last filled from or saved to: the content of its file then (and the
// file's stamp), so that a change another program makes is seen, and a save never writes over
// such a change unasked.
class PageBaseline {
public:
    enum class Disk { Same, Changed, Unreadable };

    // The page now holds this content of the file (an empty digest: the file did not exist);
    // the stamp, when given, was taken before the file was read.
    void set(const QByteArray& content, const std::optional<FileStamp>& stamp);
    // The page's file was just written with BYTES by the program itself and now has STAMP: a new
    // file (renamed into place), whose stamp alone tells it apart from any later change. Its
    // content is worked out away from the caller's thread, for when the stamp no longer matches.
    void setWritten(const QByteArray& bytes, const FileStamp& stamp);
    // Unknown: any file that can be read counts as changed.
    void clear();
    bool isKnown() const { return m_content.has_value() || m_pending.valid(); }
    QByteArray content() const;

    // The file now, against the baseline. An unchanged stamp proves the same file without reading
    // it; otherwise its content decides (a sync client may give a changed file its old times, an
    // editor may rewrite the same bytes). A file found unchanged by its content refreshes the stamp.
    Disk compare(const QString& path, QString* error = nullptr);

private:
    // The content, once the digest being worked out is there.
    const std::optional<QByteArray>& settledContent();

    std::optional<QByteArray> m_content;
    std::shared_future<QByteArray> m_pending;
    std::optional<FileStamp> m_stamp;
};

} // namespace tabwise
