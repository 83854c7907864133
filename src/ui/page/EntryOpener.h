#pragma once

#include "core/page/PageTable.h"

#include <QString>

class QWidget;

namespace tabwise {

class Platform;

// Opens a list entry as its page's TARGET says: only a web page, or a new mail message to one
// address, leaves the program, as one argument and never through a shell. Anything else in the
// entry is refused, and a failure to open it is reported, over OWNER.
void openEntry(QWidget* owner, Platform& platform, EntryTarget target, const QString& entry);

} // namespace tabwise
