// A double-click on an entry of a list page hands it to the desktop: a new mail message to an
// e-mail entry, the browser (or whatever program the desktop picks) for a web entry. The entry is
// passed on unchanged and never through a shell; what the desktop makes of it is its own matter.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "platform/Platform.h"

namespace tabwise {

void Form1::List1_DblClick()
{
    // "mailto:" and the selected entry with nothing in between; show command 5.
    const QString target = QStringLiteral("mailto:") + List1->Text();
    m_platform.openTarget().open(this, QStringLiteral("open"), target, 5);
}

void Form1::List2_DblClick()
{
    // The selected entry unchanged; show command 1.
    const QString target = List2->Text();
    m_platform.openTarget().open(this, QStringLiteral("open"), target, 1);
}

} // namespace tabwise
