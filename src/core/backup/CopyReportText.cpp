#include "core/backup/CopyReportText.h"

#include <QDir>

namespace tabwise {

namespace {

QString nothingCopied(CopyKind kind)
{
    return kind == CopyKind::Backup ? QStringLiteral("Nothing was backed up.")
                                    : QStringLiteral("Nothing was restored.");
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
                ? QStringLiteral("The backup folder is the program's own folder:\n%1\n\nThe page files cannot be "
                                 "backed up onto themselves. Choose another folder.")
                : QStringLiteral("The backup folder is the program's own folder:\n%1\n\nThe page files cannot be "
                                 "restored onto themselves. Choose another folder."))
            .arg(folderText(fromFolder));
    case CopyOutcome::Refusal::NoPageFiles:
        return QStringLiteral("There is no page file (*.ntr) in\n%1\n\n%2")
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

    QString text = kind == CopyKind::Backup ? QStringLiteral("The backup into\n%1\nis not complete.")
                                            : QStringLiteral("The restore from\n%1\nis not complete.");
    text = text.arg(folderText(kind == CopyKind::Backup ? toFolder : fromFolder));
    text += QStringLiteral("\n\nCopied: ");
    text += outcome.copied.isEmpty() ? QStringLiteral("none") : outcome.copied.join(QStringLiteral(", "));
    text += QStringLiteral("\n\nNot copied:");
    for (const NotCopied& file : outcome.notCopied)
        text += QStringLiteral("\n%1: %2").arg(file.fileName, file.reason);
    return text + linksReplacedText(outcome);
}

QString linksReplacedText(const CopyOutcome& outcome)
{
    if (outcome.linksReplaced.isEmpty())
        return {};
    const QString names = outcome.linksReplaced.join(QStringLiteral(", "));
    if (outcome.linksReplaced.size() == 1)
        return QStringLiteral("\n\nIn the backup folder, %1 was a link to a file elsewhere: the copy took the link's "
                              "place, and the file it led to is as it was.")
            .arg(names);
    return QStringLiteral("\n\nIn the backup folder, %1 were links to files elsewhere: the copies took the links' "
                          "places, and the files they led to are as they were.")
        .arg(names);
}

} // namespace tabwise
