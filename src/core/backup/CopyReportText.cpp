#include "core/backup/CopyReportText.h"

#include <QCoreApplication>
#include <QDir>

namespace tabwise {

namespace {

QString nothingCopied(CopyKind kind)
{
    return kind == CopyKind::Backup ? QCoreApplication::translate("Backup", "Nothing was backed up.")
                                    : QCoreApplication::translate("Backup", "Nothing was restored.");
}

QString folderText(const QString& folder)
{
    return QDir::toNativeSeparators(folder);
}

QString refusalText(CopyKind kind, const CopyOutcome& outcome, const QString& fromFolder, const QString& toFolder)
{
    switch (outcome.refusal) {
    case CopyOutcome::Refusal::SameFolder:
        return (kind == CopyKind::Backup
                ? QCoreApplication::translate("Backup",
                    "The backup folder is the program's own folder:\n%1\n\nThe page files cannot be backed up onto "
                    "themselves. Choose another folder.")
                : QCoreApplication::translate("Backup",
                    "The backup folder is the program's own folder:\n%1\n\nThe page files cannot be restored onto "
                    "themselves. Choose another folder."))
            .arg(folderText(fromFolder));
    case CopyOutcome::Refusal::NoPageFiles:
        return QCoreApplication::translate("Backup", "There is no page file (*.ntr) in\n%1\n\n%2")
            .arg(folderText(fromFolder), nothingCopied(kind));
    case CopyOutcome::Refusal::SourceUnreadable:
        return QStringLiteral("%1\n\n%2\n\n%3").arg(folderText(fromFolder), outcome.refusalReason, nothingCopied(kind));
    case CopyOutcome::Refusal::DestinationMissing:
        return QStringLiteral("%1\n\n%2\n\n%3").arg(folderText(toFolder), outcome.refusalReason, nothingCopied(kind));
    case CopyOutcome::Refusal::None: break;
    }
    return {};
}

} // namespace

QString copyFailureText(CopyKind kind, const CopyOutcome& outcome, const QString& fromFolder, const QString& toFolder)
{
    if (outcome.refusal != CopyOutcome::Refusal::None)
        return refusalText(kind, outcome, fromFolder, toFolder);

    QString text = kind == CopyKind::Backup
        ? QCoreApplication::translate("Backup", "The backup into\n%1\nis not complete.").arg(folderText(toFolder))
        : QCoreApplication::translate("Backup", "The restore from\n%1\nis not complete.").arg(folderText(fromFolder));
    //: What a backup or restore did copy, by file name ("notes.ntr, web.ntr"), or "none"
    const QString copied = QCoreApplication::translate("Backup", "Copied: %1");
    text += QStringLiteral("\n\n")
        + copied.arg(outcome.copied.isEmpty() ? QCoreApplication::translate("Backup", "none", "no page file copied")
                                              : outcome.copied.join(QStringLiteral(", ")));
    text += QStringLiteral("\n\n") + QCoreApplication::translate("Backup", "Not copied:");
    for (const NotCopied& file : outcome.notCopied) {
        //: A page file that was not copied, and why ("web.ntr: The file in the destination is read-only.")
        text += u'\n' + QCoreApplication::translate("Backup", "%1: %2").arg(file.fileName, file.reason);
    }
    return text + linksReplacedText(outcome);
}

QString linksReplacedText(const CopyOutcome& outcome)
{
    if (outcome.linksReplaced.isEmpty())
        return {};
    const int count = int(outcome.linksReplaced.size());
    //: %1 names the page files ("email.ntr" or "email.ntr, web.ntr"); the form follows how many they are
    return QStringLiteral("\n\n")
        + QCoreApplication::translate("Backup",
            "In the backup folder, %1 was a link to a file elsewhere: the copy took the link's place, and the file "
            "it led to is as it was.",
            nullptr, count)
              .arg(outcome.linksReplaced.join(QStringLiteral(", ")));
}

} // namespace tabwise
