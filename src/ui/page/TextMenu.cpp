#include "ui/page/TextMenu.h"

#include "platform/Platform.h"
#include "ui/page/PageView.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace tabwise {

void showTextMenu(PageView& page, Platform& platform, QAction* history, const QPoint& position)
{
    QPlainTextEdit* box = page.textBox();
    QMenu* menu = box->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    if (history)
        menu->addAction(history);
    QAction* discard = menu->addAction(
        QCoreApplication::translate("TextMenu", "&Discard Unsaved Typing"), &page, [&page, &platform] {
            //: %1 is the page's name
            const int answer = platform.messages().show(&page,
                QCoreApplication::translate("TextMenu", "Discard the unsaved typing on %1? It cannot be brought back.")
                    .arg(page.name()),
                msgbox::YesNo | msgbox::Question | msgbox::DefaultButton2);
            if (answer != msgbox::Yes)
                return;
            page.discardUnsavedText();
            page.showFromFile();
        });
    discard->setEnabled(page.hasUnsavedText());
    menu->popup(box->viewport()->mapToGlobal(position));
}

} // namespace tabwise
