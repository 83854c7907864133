#pragma once

#include <QString>

namespace tabwise {

// What the history shows for the cause a version was kept for. The cause is stored in English, as
// data, in the message of its commit ("Saved", "Changed on disk", "Before restore from <folder>",
// ...), so that the history reads the same in any language and with git itself; shown, it is in
// the user's language. A cause this program does not know is shown as it is stored.
QString historyCauseText(const QString& storedCause);

} // namespace tabwise
