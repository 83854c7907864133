#include "ui/page/PageKeeper.h"

#include "core/history/HistoryRecorder.h"
#include "core/keeping/DraftKeeper.h"
#include "core/keeping/FolderWatch.h"
#include "platform/Platform.h"
#include "ui/common/NoteBar.h"
#include "ui/page/PageView.h"

#include <QDir>
#include <QLocale>

namespace tabwise {

PageKeeper::PageKeeper(const QString& appFolder, Platform& platform, QWidget* window)
    : QObject(window)
    , m_appFolder(appFolder)
    , m_platform(platform)
    , m_window(window)
    , m_drafts(new DraftKeeper(DraftStore(appFolder, DraftStore::spareFolderFor(appFolder)), this))
    , m_history(new HistoryRecorder(appFolder, historyRoot(), this))
{
    connect(m_drafts, &DraftKeeper::keepFailed, this, &PageKeeper::reportDraftFailure);
    // Said once until the history works again; the pages go on working whatever happens to it.
    connect(m_history, &HistoryRecorder::failed, this, [this](const QString& problem) {
        m_platform.messages().show(m_window,
            tr("The history of your pages could not be written, so earlier versions "
               "may be missing from it:\n\n%1\n\nYour pages are saved as usual.")
                .arg(problem),
            msgbox::OkOnly | msgbox::Exclamation);
    });
    connect(m_history, &HistoryRecorder::cleared, this, [this](bool ok, const QString& problem) {
        if (ok)
            m_platform.messages().show(
                m_window, tr("The history of your pages is cleared."), msgbox::OkOnly | msgbox::Information);
        else
            m_platform.messages().show(m_window,
                tr("The history of your pages could not be cleared completely:\n\n%1").arg(problem),
                msgbox::OkOnly | msgbox::Critical);
    });
}

PageKeeper::~PageKeeper()
{
    m_drafts->flush();
}

void PageKeeper::keep(const std::array<PageView*, pageCount>& pages, NoteBar* folderNote)
{
    m_pages = pages;
    m_folderNote = folderNote;
    QStringList files;
    QList<std::pair<QString, QString>> found;
    for (PageView* page : m_pages) {
        const QString file = QString::fromLatin1(page->info().fileName);
        files << file;
        found.append({ file, page->filePath() });
        connect(&page->document(), &PageDocument::versionToKeep, this,
            [this, file](const QByteArray& bytes, const QString& cause) {
                m_history->record(file, bytes, cause);
                // A version comes from a save of the page (or is the other program's version, kept just
                // before one): the watch must not take the file for a change made elsewhere, which the
                // history reads later and could then find holding a still later save of our own.
                m_watch->takeAsKnown(file);
            });
    }
    // Changes made while the program was not running, or a save whose version a crash cut off.
    m_history->recordFound(found);
    m_watch = new FolderWatch(m_appFolder, files, this);
    connect(m_watch, &FolderWatch::filesChanged, this, [this](const QStringList& changed) {
        for (const QString& file : changed)
            m_history->recordFile(file, m_appFolder + u'/' + file, QStringLiteral("Changed on disk"));
        for (PageView* page : m_pages)
            page->compareWithFile();
    });
    connect(
        m_watch, &FolderWatch::folderLost, this, [this](const QString& reason) { setFolderReachable(false, reason); });
    connect(m_watch, &FolderWatch::folderBack, this, [this] { setFolderReachable(true, {}); });
    if (!m_watch->isReachable())
        setFolderReachable(false, m_watch->unreachableReason());
}

void PageKeeper::restoreDrafts()
{
    QStringList damaged;
    for (PageView* page : m_pages) {
        const Draft draft = m_drafts->store().read(QString::fromLatin1(page->info().fileName));
        if (draft.status == Draft::Status::Ok)
            page->restoreDraft(draft);
        else if (draft.status == Draft::Status::Damaged)
            //: %1 is what is wrong with a draft file, %2 where it was put
            damaged << tr("%1\n\nIt was kept aside as:\n%2").arg(draft.error, DraftStore::setAside(draft.path));
    }
    if (!damaged.isEmpty())
        m_platform.messages().show(m_window,
            tr("Unsaved typing kept from the last session could not be read:\n\n%1")
                .arg(damaged.join(QStringLiteral("\n\n"))),
            msgbox::OkOnly | msgbox::Exclamation);
}

void PageKeeper::checkNow()
{
    m_watch->check();
}

void PageKeeper::keepAllTyping()
{
    for (PageView* page : m_pages)
        page->keepDraftNow();
    m_drafts->flush();
}

void PageKeeper::keepBeforeRestore(const QString& folder)
{
    const QString cause = QStringLiteral("Before restore from %1").arg(QDir::toNativeSeparators(folder));
    for (PageView* page : m_pages)
        m_history->recordFile(QString::fromLatin1(page->info().fileName), page->filePath(), cause);
    m_history->waitForIdle();
}

void PageKeeper::keepHistoryFor(int days)
{
    m_history->prune(days);
}

void PageKeeper::clearHistory()
{
    m_history->clear();
}

void PageKeeper::showRestored(const QString& folder, const QStringList& fileNames, PageView* current)
{
    const QString cause = QStringLiteral("Restored from %1").arg(QDir::toNativeSeparators(folder));
    QStringList kept;
    for (PageView* page : m_pages) {
        if (!fileNames.contains(QLatin1String(page->info().fileName)))
            continue;
        m_history->recordFile(QString::fromLatin1(page->info().fileName), page->filePath(), cause);
        if (page->hasUnsavedText())
            kept << page->name();
        else if (page == current)
            page->showFromFile();
    }
    if (!kept.isEmpty())
        m_platform.messages().show(m_window,
            //: %1 lists the pages' names
            tr("These pages hold unsaved typing and still show it: %1\n\nSave asks "
               "whether to keep the restored version beside your typing.")
                .arg(QLocale().createSeparatedList(kept)),
            msgbox::OkOnly | msgbox::Information);
}

void PageKeeper::setFolderReachable(bool reachable, const QString& reason)
{
    for (PageView* page : m_pages)
        page->setFolderReachable(reachable);
    if (reachable) {
        m_folderNote->hide();
        checkNow();
        return;
    }
    //: %1 is the folder, %2 the reason
    m_folderNote->showNote(tr("The folder of your pages cannot be reached: %1\n%2\nWhat you see is kept, "
                              "and nothing is saved there until the folder is back.")
                               .arg(QDir::toNativeSeparators(m_appFolder), reason));
}

void PageKeeper::reportDraftFailure(const QString& pageFile, const QString& error)
{
    // Said once per page and run: the typing is still on screen, and Save still works.
    if (m_draftFailures.contains(pageFile))
        return;
    m_draftFailures.insert(pageFile);
    m_platform.messages().show(m_window,
        tr("Your typing could not be kept in a draft, so a crash could lose it:"
           "\n\n%1\n\nSave the page to keep it.")
            .arg(error),
        msgbox::OkOnly | msgbox::Exclamation);
}

} // namespace tabwise
