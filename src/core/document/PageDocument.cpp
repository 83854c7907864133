#include "core/document/PageDocument.h"

#include "core/keeping/DraftKeeper.h"
#include "core/page/BoxText.h"
#include "core/page/ConflictCopy.h"

#include <QDateTime>
#include <QFileInfo>

namespace tabwise {

namespace {

// Typing is kept in its draft this long after the first keystroke not yet kept.
constexpr int draftDelayMilliseconds = 700;

bool endsWithLineEnd(const QByteArray& bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

SaveOutcome refused(const QString& error)
{
    return { SaveOutcome::Status::Refused, QStringLiteral("The page could not be saved:\n\n") + error, {} };
}

} // namespace

PageDocument::PageDocument(const PageInfo& info, const QString& appFolder, DraftKeeper& drafts, QObject* parent)
    : QObject(parent)
    , m_info(info)
    , m_appFolder(appFolder)
    , m_path(pagePath(appFolder, info.fileName))
    , m_drafts(drafts)
{
    m_draftTimer.setSingleShot(true);
    m_draftTimer.setInterval(draftDelayMilliseconds);
    connect(&m_draftTimer, &QTimer::timeout, this, &PageDocument::keepDraft);
}

PageRead PageDocument::read()
{
    const std::optional<FileStamp> stamp = settledFileStamp(m_path); // taken before the read
    PageRead read = readPageFile(m_path);
    if (read.ok())
        m_baseline.set(read.content, stamp);
    else
        m_baseline.clear();
    return read;
}

PageBaseline::Disk PageDocument::compareWithDisk(QString* error)
{
    return m_baseline.compare(m_path, error);
}

SaveOutcome PageDocument::save(bool typed, const std::function<QString()>& rawText, const ConflictChooser& choose)
{
    if (!m_folderReachable)
        return refused(
            fileErrorText(m_appFolder, QStringLiteral("The folder cannot be reached. Your typing is kept.")));
    QString error;
    const PageBaseline::Disk disk = m_baseline.compare(m_path, &error);
    if (disk == PageBaseline::Disk::Unreadable)
        return refused(
            error + QStringLiteral("\n\nThe file cannot be read, so saving could replace text you have not seen."));
    if (!typed && disk == PageBaseline::Disk::Changed && m_baseline.isKnown())
        return { SaveOutcome::Status::OtherVersion, {}, {} };
    // An untouched page that shows exactly its file is saved as the file's own bytes: the text box
    // turns lone CRs and LFs into line breaks, and the file may not be UTF-8 at all, so its text
    // could not give the same bytes back. Only a missing final line end is added.
    std::optional<QByteArray> bytes;
    if (!typed && disk == PageBaseline::Disk::Same)
        bytes = readPageBytes(m_path);
    if (bytes && endsWithLineEnd(*bytes))
        return { SaveOutcome::Status::Unchanged, {}, {} };
    if (bytes)
        *bytes += "\r\n";
    else
        bytes = pageBytesFromRawText(rawText());

    QString keptCopyName;
    // Another program's version stands where the typing is to go (unless it was deleted meanwhile).
    if (disk == PageBaseline::Disk::Changed && QFileInfo::exists(m_path)) {
        const QString copy = conflictCopyPath(m_appFolder, fileName(), QDateTime::currentDateTime());
        const QString copyName = QFileInfo(copy).fileName();
        switch (choose(copyName)) {
        case ConflictChoice::Cancel: return { SaveOutcome::Status::Cancelled, {}, {} };
        case ConflictChoice::Replace: break;
        case ConflictChoice::KeepBoth:
            if (const QString failed = keepOtherVersion(copy); !failed.isEmpty())
                return { SaveOutcome::Status::Refused,
                    QStringLiteral("The other version could not be kept, so the page was not saved:\n\n") + failed,
                    {} };
            keptCopyName = copyName;
            break;
        }
    }
    const FileWrite written = write(*bytes);
    if (!written.ok)
        return refused(written.error);
    return { SaveOutcome::Status::Saved, {}, keptCopyName };
}

QString PageDocument::keepOtherVersion(const QString& copyPath)
{
    QString error;
    const std::optional<QByteArray> other = readPageBytes(m_path, &error);
    const FileWrite kept = other ? writeFileAtomically(copyPath, *other) : FileWrite { false, error };
    if (!kept.ok)
        return kept.error;
    Q_EMIT versionToKeep(
        *other, QStringLiteral("Changed on disk (kept as \"%1\")").arg(QFileInfo(copyPath).fileName()));
    return {};
}

FileWrite PageDocument::write(const QByteArray& bytes)
{
    const FileWrite written = writePageFile(m_path, bytes);
    if (!written.ok)
        return written;
    m_baseline.setWritten(bytes, fileStamp(m_path));
    Q_EMIT versionToKeep(bytes, QStringLiteral("Saved"));
    return written;
}

void PageDocument::setUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
    // Saved, given up or filled anew (filling a box passes through "modified"): no draft to keep.
    if (unsaved)
        return;
    m_draftTimer.stop();
    if (m_draftOnDisk)
        m_drafts.forget(fileName());
    m_draftOnDisk = false;
}

void PageDocument::textChanged()
{
    if (m_unsaved && !m_draftTimer.isActive())
        m_draftTimer.start();
}

void PageDocument::keepDraft()
{
    if (!m_unsaved || !m_typing)
        return;
    m_draftOnDisk = true;
    m_drafts.keep(
        fileName(), m_typing(), m_baseline.isKnown() ? std::optional<QByteArray>(m_baseline.content()) : std::nullopt);
}

void PageDocument::keepDraftNow()
{
    m_draftTimer.stop();
    keepDraft();
}

void PageDocument::adoptDraft(const Draft& draft)
{
    if (draft.base)
        m_baseline.set(*draft.base, std::nullopt);
    else
        m_baseline.clear();
    m_unsaved = true;
    m_draftOnDisk = true;
}

} // namespace tabwise
