#pragma once

#include "core/keeping/TextEdit.h"
#include "core/page/AtomicFile.h"
#include "core/page/PageBaseline.h"
#include "core/page/PageFile.h"
#include "core/page/PageTable.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace tabwise {

class DraftKeeper;
struct Draft;

// What the user decides when another program's version stands on disk where the typing is to go.
enum class ConflictChoice { KeepBoth, Replace, Cancel };
// Asks the user, naming the file the other version would be kept as.
using ConflictChooser = std::function<ConflictChoice(const QString& copyName)>;

// How a save went.
struct SaveOutcome {
    enum class Status {
        Saved, // the typing is in the file
        Unchanged, // nothing typed, and the file already holds what the page shows
        OtherVersion, // nothing typed, and another program's version stands on disk: show it
        Cancelled, // the user chose to keep things as they are
        Refused, // nothing was written; the error says why
    };
    Status status = Status::Saved;
    QString error; // Refused: the words for the user, naming the file and the reason
    QString keptCopyName; // Saved after Keep Both: the name the other version was kept as
};

// One page file and what the program knows of it: where it is, what was last read from it or
// written to it (the baseline), the draft of the typing not yet saved, and the versions it hands
// to the history. It reads and writes; it shows nothing and asks nothing: where the user decides,
// the caller passes the decision in.
class PageDocument : public QObject {
    Q_OBJECT
public:
    PageDocument(const PageInfo& info, const QString& appFolder, DraftKeeper& drafts, QObject* parent = nullptr);

    const PageInfo& info() const { return m_info; }
    QString fileName() const { return QString::fromLatin1(m_info.fileName); }
    QString path() const { return m_path; }
    bool isList() const { return m_info.kind == PageKind::List; }

    // While the application folder cannot be reached, the document reads and writes nothing.
    void setFolderReachable(bool reachable) { m_folderReachable = reachable; }
    bool isFolderReachable() const { return m_folderReachable; }

    // Reads the whole file. The baseline becomes what was read, or unknown when it could not be.
    PageRead read();
    // The file now, against what was last read or written.
    PageBaseline::Disk compareWithDisk(QString* error = nullptr);
    // The page no longer shows its file: the next comparison finds it changed.
    void forgetBaseline() { m_baseline.clear(); }
    bool isBaselineKnown() const { return m_baseline.isKnown(); }

    // Saves what the page shows. TYPED says whether it holds typing not yet saved; CHOOSE is
    // asked when another program changed the file since it was read.
    SaveOutcome save(bool typed, const ConflictChooser& choose);
    // Writes the bytes as the page's new file (a list written back as it is shown).
    FileWrite write(const QByteArray& bytes);

    // The text box and its typing. The document keeps a copy of the text away from the window's
    // thread, fed with each change as it is typed; drafts and saves are written from that copy.
    // RAWTEXT gives the box's whole text for the rare times the copy must begin from it.
    void setTextSource(std::function<QString()> rawText) { m_rawText = std::move(rawText); }
    // The box was filled anew and holds LENGTH characters: the file as just read, or other text.
    void textFilled(bool fromFile, qsizetype length);
    // The box changed: REMOVED characters at POSITION became ADDED; it holds LENGTH characters now.
    void textEdited(qsizetype position, qsizetype removed, const QString& added, qsizetype length);
    // The page holds typing not yet saved, or no longer does (saved, given up, filled anew).
    void setUnsaved(bool unsaved);
    // The draft is written now, not a moment later (the program is ending).
    void keepDraftNow();
    // Typing kept from an earlier run, which the box now holds: its base becomes the baseline.
    void adoptDraft(const Draft& draft);

Q_SIGNALS:
    // The page file took (or, for another program's version, had) these bytes: a version for the
    // page's history.
    void versionToKeep(const QByteArray& bytes, const QString& cause);

private:
    // Keeps the version on disk beside the page before the typing replaces it; the error when it
    // could not be kept.
    QString keepOtherVersion(const QString& copyPath);
    // Writes the text box's text as the page's new file: from the copy, or else from the box.
    FileWrite writeTyped();
    // The copy of the text begins from the box's whole text as it is now.
    void beginFromBox();
    // Hands the changes typed so far to the copy (and, when asked, to the draft).
    void passOnEdits(bool keepDraft);
    void copyLost();

    const PageInfo& m_info;
    QString m_appFolder;
    QString m_path;
    DraftKeeper& m_drafts;
    PageBaseline m_baseline;
    std::function<QString()> m_rawText;
    // The digest of the file the box was filled from, while the box holds exactly that and the
    // copy has not begun.
    std::optional<QByteArray> m_filledFromFile;
    QByteArray m_lastRead; // the digest of the file as last read
    bool m_copyBegun = false;
    QList<TextEdit> m_edits; // typed, not yet handed over
    qsizetype m_length = 0; // of the box's text
    QTimer m_draftTimer;
    QTimer m_restTimer;
    bool m_folderReachable = true;
    bool m_unsaved = false;
    bool m_draftOnDisk = false;
};

} // namespace tabwise
