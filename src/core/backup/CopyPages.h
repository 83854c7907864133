#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Copying every page file (*.ntr) from one folder into another, as backup and restore do. Each file
// is copied to a temporary name in the destination and renamed over the old one, so a failure never
// leaves a torn file; files of the same name are replaced, nothing is deleted. A page file that is a
// symbolic link (to a file in a synced folder, say) is copied as the file it leads to, under its
// own name.
namespace tabwise {

struct NotCopied {
    QString fileName;
    QString reason;
    bool linkToNothing = false; // a link whose target is missing: there was nothing to copy
};

struct CopyOutcome {
    // Why nothing at all was copied; None when the files were tried one by one.
    enum class Refusal { None, SameFolder, NoPageFiles, SourceUnreadable, DestinationMissing };
    Refusal refusal = Refusal::None;
    QString refusalReason; // the system's words for SourceUnreadable and DestinationMissing
    QStringList copied; // file names, in the order they were copied
    QList<NotCopied> notCopied;
    QStringList linksReplaced; // copied names that were links in the destination (CopyInto::Folder)

    bool complete() const { return refusal == Refusal::None && notCopied.isEmpty(); }
    // Every page file that held something was copied: any not copied was a link to nothing.
    bool copiedAllThereWas() const;
};

// What the destination is, and so what a symbolic link standing there means.
// Folder: a folder the user chose to keep copies in. A link there is replaced by the copy itself,
// never written through: it may lead anywhere, outside the folder chosen.
// Pages: the application folder. A file whose name is a page's in other capitals ("NOTES.NTR")
// arrives under the page's own name, so that the page reads it; a page that is a link is written
// through it to the file it leads to, atomically, as Save writes it, and like Save never through a
// link whose file is missing.
enum class CopyInto { Folder, Pages };

// Copies one file whole to a temporary name beside the target and renames it over the target;
// returns the reason when it could not (empty on success). A read-only target is left alone, and
// so is everything when FROM is a link to nothing or to something other than a file.
QString copyPageFile(const QString& from, const QString& to, CopyInto into);

// The page files of a folder, sorted by name: regular files named *.ntr (in any capitals) and
// symbolic links so named, whether their target is there or not. Folders and links to folders that
// merely carry the extension are not page files.
QStringList pageFileNames(const QString& folder);

// Copies every page file of fromFolder into toFolder. A new copy is readable and writable by its
// owner only; a replaced copy keeps the permissions the old one had. A destination file without its
// owner's write permission is read-only and is left alone. Copying a folder onto itself is refused.
CopyOutcome copyPageFiles(const QString& fromFolder, const QString& toFolder, CopyInto into = CopyInto::Folder);

// The page's own file name for a file named like it in other capitals; other names stay.
QString pageNameFor(const QString& fileName);

// Makes the folder and every missing folder above it; the system's reason when it cannot, empty
// when the folder is there.
QString makeFolder(const QString& path);

// The path, or with " 2", " 3", ... added when a file or folder of that name is there.
QString unusedPath(const QString& wanted);

} // namespace tabwise
