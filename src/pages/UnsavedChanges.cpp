// Typed text is never thrown away without the user's say: the question before the window goes,
// and saving without a question when the session ends.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "shell/TabControl.h"

namespace tabwise {

int Form1::askToSave(int tab)
{
    return m_platform.messages().show(this,
        QStringLiteral("Save changes to ") + SSTab1->TabCaption(tab) + QLatin1Char('?'),
        msgbox::YesNoCancel | msgbox::Question);
}

bool Form1::askBeforeUnloading()
{
    for (int tab = 0; tab < pageCount; ++tab) {
        if (!hasUnsavedText(tab))
            continue;
        const int answer = askToSave(tab);
        if (answer == msgbox::Cancel)
            return false;
        if (answer == msgbox::Yes && !savePage(tab))
            return false;
    }
    return true;
}

bool Form1::saveUnsavedPages()
{
    bool allSaved = true;
    for (int tab = 0; tab < pageCount; ++tab) {
        if (hasUnsavedText(tab))
            allSaved = writeBoxToPage(tab, false) && allSaved;
    }
    return allSaved;
}

} // namespace tabwise
