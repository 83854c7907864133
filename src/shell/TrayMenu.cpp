// The tray menu: never shown as a menu bar, only popped up from the tray icon.
#include "shell/Form1.h"

#include <QMenu>

namespace tabwise {

void Form1::buildMenu()
{
    MENU = new QMenu(this);
    MENU->setObjectName(QStringLiteral("MENU"));
    const auto entry = [this](const char* name, const char* caption) {
        QAction* action = MENU->addAction(QString::fromLatin1(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    MENUHELP = entry("MENUHELP", "&Help");
    MENUABOUT = entry("MENUABOUT", "&About");
    MENURESTORE = entry("MENURESTORE", "&Restore");
    MENUOPTIONS = entry("MENUOPTIONS", "&Options");
    SEP = MENU->addSeparator();
    SEP->setObjectName(QStringLiteral("SEP"));
    MENUEXIT = entry("MENUEXIT", "E&xit");
}

} // namespace tabwise
