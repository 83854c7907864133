// Saving a page: what is written, and what happens when another program's version stands on disk.
#include "ui/page/PageView.h"

#include "core/backup/CopyPages.h"
#include "core/page/BoxText.h"
#include "core/page/ConflictCopy.h"
#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"
#include "platform/Platform.h"
#include "ui/page/ListBox.h"
#include "ui/page/NoteBar.h"
#include "ui/page/PageColours.h"

#include <QFileInfo>
#include <QPlainTextEdit>

namespace tabwise {

namespace {
bool endsWithLineEnd(const QByteArray& bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}
} // namespace

bool PageView::save()
{
    // A list page being viewed already shows its file's entries, each once, and the file stays.
    const bool listInView = m_list && m_text->isHidden();
    if (!listInView && !writeTextBox())
        return false; // a page that cannot be written stays as it is, in editing, with its text
    setViewingColour(m_text);
    if (m_list && !listInView) {
        m_text->hide();
        m_list->show();
        m_list->clear();
        loadList();
    }
    Q_EMIT saved();
    return !hasUnsavedText();
}

bool PageView::writeTextBox()
{
    const QString path = filePath();
    const QString refused = QStringLiteral("The page could not be saved:\n\n");
    if (!m_folderReachable) {
        showError(
            refused + fileErrorText(m_appFolder, QStringLiteral("The folder cannot be reached. Your typing is kept.")));
        return false;
    }
    QString error;
    const PageBaseline::Disk disk = m_baseline.compare(path, &error);
    if (disk == PageBaseline::Disk::Unreadable) {
        showError(refused + error
            + QStringLiteral("\n\nThe file cannot be read, so saving could replace text you have not seen."));
        return false;
    }
    if (!hasUnsavedText() && disk == PageBaseline::Disk::Changed && m_baseline.isKnown())
        return readFile(); // nothing typed: the page simply shows the other program's version
    // An untouched box that shows exactly its file is saved as the file's own bytes: the box turns
    // lone CRs and LFs into line breaks, and the file may not be UTF-8 at all, so its text could
    // not give the same bytes back. Only a missing final line end is added.
    std::optional<QByteArray> bytes;
    if (!hasUnsavedText() && disk == PageBaseline::Disk::Same)
        bytes = readPageBytes(path);
    if (bytes && endsWithLineEnd(*bytes))
        return true;
    if (bytes)
        *bytes += "\r\n";
    else
        bytes = pageBytesFromRawText(m_text->document()->toRawText());
    bool proceed = true;
    const bool keptOther = disk == PageBaseline::Disk::Changed && keepOtherVersion(proceed);
    if (!proceed)
        return false;
    const FileWrite written = writePageFile(path, *bytes);
    if (!written.ok) {
        showError(refused + written.error);
        return false;
    }
    m_baseline.set(contentDigest(*bytes), settledFileStamp(path));
    Q_EMIT versionToKeep(*bytes, QStringLiteral("Saved"));
    m_text->document()->setModified(false);
    if (!keptOther)
        hideNote();
    return true;
}

// Another program's version stands on disk where the typing is to go: the user chooses, and the
// first answer keeps both. Returns whether the other version was kept; PROCEED says whether the
// save goes on.
bool PageView::keepOtherVersion(bool& proceed)
{
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return false; // deleted meanwhile: nothing to keep
    const QString copy
        = conflictCopyPath(m_appFolder, QString::fromLatin1(m_info.fileName), QDateTime::currentDateTime());
    const QString copyName = QFileInfo(copy).fileName();
    const int answer = m_platform.messages().choose(this,
        QStringLiteral("\"%1\" was changed on disk by another program since this page was read.\n\nKeep both: your "
                       "typing becomes the page, and the other version is kept beside it as \"%2\".")
            .arg(m_name, copyName),
        { QStringLiteral("Keep &Both"), QStringLiteral("&Replace It"), QStringLiteral("&Cancel") }, 0);
    proceed = answer != 2;
    if (answer != 0)
        return false;
    QString error;
    const std::optional<QByteArray> other = readPageBytes(path, &error);
    const FileWrite kept = other ? writeFileAtomically(copy, *other) : FileWrite { false, error };
    if (!kept.ok) {
        showError(QStringLiteral("The other version could not be kept, so the page was not saved:\n\n") + kept.error);
        proceed = false;
        return false;
    }
    note()->showNote(QStringLiteral("The other program's version was kept as \"%1\".").arg(copyName));
    Q_EMIT versionToKeep(*other, QStringLiteral("Changed on disk (kept as \"%1\")").arg(copyName));
    return true;
}

bool PageView::writeList()
{
    // The list is written back as it was read; a file changed meanwhile is read again first, never
    // written over.
    const PageBaseline::Disk disk = m_baseline.compare(filePath());
    if (!m_folderReachable || disk == PageBaseline::Disk::Unreadable)
        return false;
    if (disk == PageBaseline::Disk::Changed) {
        m_list->clear();
        loadList();
    }
    const QByteArray bytes = encodePageText(m_list->fileText());
    const FileWrite written = writePageFile(filePath(), bytes);
    if (!written.ok) {
        m_platform.messages().show(this, QStringLiteral("There has been a error!\n\n") + written.error, msgbox::OkOnly,
            QStringLiteral("Error"));
        return false;
    }
    m_baseline.set(contentDigest(bytes), settledFileStamp(filePath()));
    Q_EMIT versionToKeep(bytes, QStringLiteral("Saved"));
    m_list->clear();
    return true;
}

} // namespace tabwise
