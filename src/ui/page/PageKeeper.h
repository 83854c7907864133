#pragma once

#include "core/page/PageTable.h"

#include <QObject>
#include <QSet>

#include <array>

class QWidget;

namespace tabwise {

class DraftKeeper;
class FolderWatch;
class HistoryRecorder;
class NoteBar;
class PageView;
class Platform;

// Keeps the pages and their files in step, so that no word is lost: the drafts of unsaved typing
// (written while the user types, brought back at the next start), the changes other programs make
// to the page files, an application folder that goes away and comes back, and the history of every
// version each page file takes (as found at start, saved, changed on disk, before and after a
// restore).
class PageKeeper : public QObject {
    Q_OBJECT
public:
    PageKeeper(const QString& appFolder, Platform& platform, QWidget* window);
    ~PageKeeper() override;

    DraftKeeper& drafts() const { return *m_drafts; }
    // The pages to keep, once they exist, and the note that says when their folder is gone.
    void keep(const std::array<PageView*, pageCount>& pages, NoteBar* folderNote);

    // At start: typing kept from a run that did not end with the user's say comes back, in editing.
    void restoreDrafts();
    // The pages compare themselves with their files now (the window was shown).
    void checkNow();
    // The typing of every page is in its draft now.
    void keepAllTyping();
    // Before a restore from FOLDER replaces the page files: their present versions go into the
    // history (waits until they have).
    void keepBeforeRestore(const QString& folder);
    // After a restore replaced these page files: pages without typing show them at once; a page
    // with typing keeps it and is named.
    void showRestored(const QString& folder, const QStringList& fileNames, PageView* current);

    // Versions older than DAYS days are dropped from the history (0: all are kept); the newest
    // version of each page always stays.
    void keepHistoryFor(int days);
    // Every version of every page goes; the user is told how it went.
    void clearHistory();

    // The history, which also reads its versions back after every version handed over.
    HistoryRecorder& history() const { return *m_history; }

private:
    void setFolderReachable(bool reachable, const QString& reason);
    void reportDraftFailure(const QString& pageFile, const QString& error);

    QString m_appFolder;
    Platform& m_platform;
    QWidget* m_window;
    DraftKeeper* m_drafts;
    HistoryRecorder* m_history;
    FolderWatch* m_watch = nullptr;
    NoteBar* m_folderNote = nullptr;
    std::array<PageView*, pageCount> m_pages {};
    QSet<QString> m_draftFailures;
};

} // namespace tabwise
