#pragma once

#include "core/keeping/TextEdit.h"
#include "core/page/AtomicFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tabwise {

// Unsaved typing, kept on disk while a page holds it, so that a crash, a kill or the end of the
// session never loses it. A page's draft is the hidden file ".<page file>.draft" beside the page in
// the application folder: it lives on the same disk as the page and goes where the folder goes.
// When the application folder refuses it (a stick pulled, a folder made read-only) the draft is
// kept in a spare folder of the program's own instead. A draft is never a page: it does not match
// "*.ntr", so backup and restore pass it by.
//
// A draft is a short header and the typing as UTF-8, written whole, then the changes typed since,
// added one after another: the header holds the digest of the page file the typing began from (so
// that a save after a restart still notices a change made on disk in between) and the digest of
// the typing written whole (so that a damaged draft is recognised); each change carries a check of
// its own, so that a change cut short by a crash is told from the ones before it.
struct Draft {
    enum class Status { None, Ok, Damaged };
    Status status = Status::None;
    QString text;
    std::optional<QByteArray> base; // the page file's digest when the typing began; none: unknown
    QDateTime written;
    QString path; // where it was found
    QString error; // why a damaged draft cannot be read
};

class DraftStore {
public:
    DraftStore(const QString& appFolder, const QString& spareFolder);
    // The spare folder for an application folder: $XDG_STATE_HOME/Tabwise/drafts/<folder id>.
    static QString spareFolderFor(const QString& appFolder);

    QString draftPath(const QString& pageFile) const;
    QString spareDraftPath(const QString& pageFile) const;

    // The newest draft of the page, from either place.
    Draft read(const QString& pageFile) const;
    // Keeps the typing, replacing the page's draft as a whole (atomically, owner-only).
    FileWrite write(const QString& pageFile, const QString& text, const std::optional<QByteArray>& base) const;
    // Adds the changes to the page's draft as last written whole; fails when there is none.
    FileWrite append(const QString& pageFile, const QList<TextEdit>& edits) const;
    // Forgets the page's draft in both places.
    void remove(const QString& pageFile) const;
    // Moves a damaged draft out of the way under a name that says so; returns that name.
    static QString setAside(const QString& path);

private:
    QString m_appFolder;
    QString m_spareFolder;
};

} // namespace tabwise
