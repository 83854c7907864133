// Showing restored content at once.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "shell/TabControl.h"

#include <QPlainTextEdit>

namespace tabwise {

// The page on screen is read again from its restored file, so that a later Save cannot quietly put
// the old text back. Typing that has not been saved is left alone.
void Form1::reloadPageAfterRestore(const QStringList& restoredFiles)
{
    const int tab = SSTab1->Tab();
    if (!restoredFiles.contains(QLatin1String(pageTable[std::size_t(tab)].fileName)))
        return;
    const PageControls shown = page(tab);
    if (shown.list && !shown.list->isHidden()) {
        shown.list->Clear();
        List_Load(shown.list, pageFilePath(tab));
    } else if (!shown.text->document()->isModified()) {
        readPageInto(shown.text, pageFilePath(tab));
    }
}

} // namespace tabwise
