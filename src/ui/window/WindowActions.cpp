#include "ui/window/WindowActions.h"

#include <QAction>
#include <QWidget>

namespace tabwise {

namespace {

QAction* makeAction(QObject* owner, const char* name, const char* text, const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(QString::fromLatin1(text), owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    return action;
}

} // namespace

WindowActions::WindowActions(QWidget* window)
    : QObject(window)
    , save(makeAction(this, "saveAction", "&Save", { QKeySequence(Qt::CTRL | Qt::Key_S) }))
    , print(makeAction(this, "printAction", "&Print", { QKeySequence(Qt::CTRL | Qt::Key_P) }))
    , find(makeAction(this, "findAction", "&Find...", { QKeySequence::Find }))
    , findNext(makeAction(this, "findNextAction", "Find &Next", { QKeySequence::FindNext }))
    , findPrevious(makeAction(this, "findPreviousAction", "Find Pre&vious", { QKeySequence::FindPrevious }))
    , findInAllPages(makeAction(
          this, "findInAllPagesAction", "Find in &All Pages...", { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F) }))
    , history(makeAction(this, "historyAction", "&History...", { QKeySequence(Qt::CTRL | Qt::Key_H) }))
    , options(makeAction(this, "optionsAction", "&Options", { QKeySequence(Qt::CTRL | Qt::Key_Comma) }))
    , help(makeAction(this, "helpAction", "&Help", { QKeySequence::HelpContents }))
    , about(makeAction(this, "aboutAction", "&About"))
    , restore(makeAction(this, "restoreAction", "&Restore"))
    , showHide(makeAction(this, "showHideAction", "Show/&Hide"))
    , exit(makeAction(this, "exitAction", "E&xit"))
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
