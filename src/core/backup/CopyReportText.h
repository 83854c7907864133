#pragma once

#include "core/backup/CopyPages.h"

// The message that tells the user what a backup or restore that did not fully succeed has and has
// not copied.
namespace tabwise {

enum class CopyKind { Backup, Restore };

// fromFolder and toFolder as the user knows them; the outcome must not be complete().
QString copyFailureText(CopyKind kind, const CopyOutcome& outcome, const QString& fromFolder, const QString& toFolder);

// "\n\n" and what became of the links that stood where copies went; empty when none did.
QString linksReplacedText(const CopyOutcome& outcome);

} // namespace tabwise
