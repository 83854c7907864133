#include "core/document/PageDocument.h"

#include "core/keeping/DraftKeeper.h"
#include "core/page/BoxText.h"
#include "core/page/ConflictCopy.h"
#include "core/page/FileStamp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace tabwise {

namespace {

// Typing is kept in its draft this long after the first keystroke not yet kept.
constexpr int draftDelayMilliseconds = 700;
// After typing has rested this long, its draft is written whole again.
constexpr int restMilliseconds = 3000;

bool endsWithLineEnd(const QByteArray& bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

SaveOutcome refused(const QString& error)
{
    return { SaveOutcome::Status::Refused,
        QCoreApplication::translate("PageDocument", "The page could not be saved:\n\n%1").arg(error), {} };
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
    connect(&m_draftTimer, &QTimer::timeout, this, [this] { passOnEdits(m_unsaved); });
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(restMilliseconds);
    connect(&m_restTimer, &QTimer::timeout, this, [this] { m_drafts.rest(fileName()); });
    connect(&m_drafts, &DraftKeeper::copyLost, this, [this](const QString& pageFile) {
        if (pageFile == fileName())
            copyLost();
    });
}

PageRead PageDocument::read()
{
    const std::optional<FileStamp> stamp = settledFileStamp(m_path); // taken before the read
    PageRead read = readPageFile(m_path);
    if (read.ok())
        m_baseline.set(read.content, stamp);
    else
        m_baseline.clear();
    m_lastRead = read.content;
    return read;
}

PageBaseline::Disk PageDocument::compareWithDisk(QString* error)
{
    return m_baseline.compare(m_path, error);
}

SaveOutcome PageDocument::save(bool typed, const ConflictChooser& choose)
{
    if (!m_folderReachable)
        return refused(fileErrorText(m_appFolder, tr("The folder cannot be reached. Your typing is kept.")));
    QString error;
    const PageBaseline::Disk disk = m_baseline.compare(m_path, &error);
    if (disk == PageBaseline::Disk::Unreadable)
        //: %1 names the file and why it cannot be read
        return refused(tr("%1\n\nThe file cannot be read, so saving could replace text you have not seen.").arg(error));
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
                    tr("The other version could not be kept, so the page was not saved:\n\n%1").arg(failed), {} };
            keptCopyName = copyName;
            break;
        }
    }
    const FileWrite written = bytes ? write(*bytes) : writeTyped();
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

FileWrite PageDocument::writeTyped()
{
    // From the copy of the text: the window's thread copies nothing of a large page.
    passOnEdits(false);
    if (m_copyBegun) {
        if (const std::optional<PageWritten> page = m_drafts.writePage(fileName(), m_path)) {
            if (page->result.ok) {
                m_baseline.setWritten(page->bytes, fileStamp(m_path));
                Q_EMIT versionToKeep(page->bytes, QStringLiteral("Saved"));
            }
            return page->result;
        }
    }
    return write(pageBytesFromRawText(m_rawText()));
}

void PageDocument::textFilled(bool fromFile, qsizetype length)
{
    m_edits.clear();
    m_draftTimer.stop();
    m_restTimer.stop();
    if (m_copyBegun)
        m_drafts.drop(fileName());
    m_copyBegun = false;
    m_filledFromFile = fromFile ? std::optional<QByteArray>(m_lastRead) : std::nullopt;
    m_length = length;
}

void PageDocument::textEdited(qsizetype position, qsizetype removed, const QString& added, qsizetype length)
{
    m_restTimer.start();
    // The box reports every change; one that does not add up means a change went unseen.
    const bool followed = m_length - removed + added.size() == length;
    m_length = length;
    if (!m_copyBegun && followed && m_filledFromFile) {
        // The copy begins from the file the box was filled from, read again away from this thread.
        m_drafts.begin(fileName(), { std::nullopt, m_path, *m_filledFromFile });
        m_copyBegun = true;
    } else if (!m_copyBegun || !followed) {
        beginFromBox(); // holds this change already
        return;
    }
    m_filledFromFile.reset();
    m_edits.append({ position, removed, added });
    if (!m_draftTimer.isActive())
        m_draftTimer.start();
}

void PageDocument::beginFromBox()
{
    m_edits.clear();
    m_filledFromFile.reset();
    const QString text = m_rawText();
    m_length = text.size();
    m_drafts.begin(fileName(), { text, {}, {} });
    m_copyBegun = true;
    if (m_unsaved && !m_draftTimer.isActive())
        m_draftTimer.start(); // the draft is written whole from the new copy
}

void PageDocument::copyLost()
{
    m_copyBegun = false;
    // Typing not yet saved is kept from the box at once; otherwise the copy begins again when needed.
    if (m_unsaved)
        beginFromBox();
}

void PageDocument::passOnEdits(bool keepDraft)
{
    m_draftTimer.stop();
    if (!m_copyBegun || (m_edits.isEmpty() && !keepDraft))
        return;
    m_drafts.edit(fileName(), m_edits, m_length, keepDraft,
        m_baseline.isKnown() ? std::optional<QByteArray>(m_baseline.content()) : std::nullopt);
    m_edits.clear();
    m_draftOnDisk = m_draftOnDisk || keepDraft;
}

void PageDocument::setUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
    // Saved, given up or filled anew: no draft to keep. The changes still go to the copy.
    if (unsaved)
        return;
    passOnEdits(false);
    if (m_draftOnDisk)
        m_drafts.forget(fileName());
    m_draftOnDisk = false;
}

void PageDocument::keepDraftNow()
{
    if (!m_unsaved)
        return;
    if (!m_copyBegun)
        beginFromBox();
    passOnEdits(true);
    // The program is ending: a copy that has lost the box is not trusted with the draft.
    if (!m_drafts.follows(fileName())) {
        beginFromBox();
        passOnEdits(true);
    }
    m_drafts.flush();
}

void PageDocument::adoptDraft(const Draft& draft)
{
    if (draft.base)
        m_baseline.set(*draft.base, std::nullopt);
    else
        m_baseline.clear();
    m_unsaved = true;
    m_draftOnDisk = true;
    // The copy begins from the draft's text, which the box now holds.
    m_edits.clear();
    m_filledFromFile.reset();
    m_drafts.begin(fileName(), { draft.text, {}, {} });
    m_copyBegun = true;
}

} // namespace tabwise
