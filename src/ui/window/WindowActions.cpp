#include "ui/window/WindowActions.h"

#include <QAction>
#include <QWidget>

namespace tabwise {

namespace {

QAction* makeAction(QObject* owner, const char* name, const QString& text, const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    return action;
}

} // namespace

WindowActions::WindowActions(QWidget* window)
    : QObject(window)
    //: Saves the current page
    , save(makeAction(this, "saveAction", tr("&Save"), { QKeySequence(Qt::CTRL | Qt::Key_S) }))
    //: Prints the current page
    , print(makeAction(this, "printAction", tr("&Print"), { QKeySequence(Qt::CTRL | Qt::Key_P) }))
    , find(makeAction(this, "findAction", tr("&Find..."), { QKeySequence::Find }))
    , findNext(makeAction(this, "findNextAction", tr("Find &Next"), { QKeySequence::FindNext }))
    , findPrevious(makeAction(this, "findPreviousAction", tr("Find Pre&vious"), { QKeySequence::FindPrevious }))
    , findInAllPages(makeAction(this, "findInAllPagesAction", tr("Find in &All Pages..."),
          { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F) }))
    //: Opens the earlier versions of the current page
    , history(makeAction(this, "historyAction", tr("&History..."), { QKeySequence(Qt::CTRL | Qt::Key_H) }))
    //: The tray menu's entry that opens the options panel
    , options(makeAction(this, "optionsAction", tr("&Options"), { QKeySequence(Qt::CTRL | Qt::Key_Comma) }))
    , help(makeAction(this, "helpAction", tr("&Help"), { QKeySequence::HelpContents }))
    //: The tray menu's entry that opens the About panel
    , about(makeAction(this, "aboutAction", tr("&About")))
    //: The tray menu's entry that brings the window back from the tray (not a restore of a backup)
    , restore(makeAction(this, "restoreAction", tr("&Restore")))
    , showHide(makeAction(this, "showHideAction", tr("Show/&Hide")))
    //: The tray menu's entry that ends the program
    , exit(makeAction(this, "exitAction", tr("E&xit")))
{
    for (QAction* action : { save, print, find, findNext, findPrevious, findInAllPages, history, options, help })
        window->addAction(action);
}

void WindowActions::setPagesInView(bool inView)
{
    for (QAction* action : { save, print, find, findNext, findPrevious })
        action->setEnabled(inView);
}

} // namespace tabwise
