#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tabwise {

// The window's commands, one action each, shared by the keys, the tray menu and the context
// menus. The page commands (save, print, find in the page) act only while the pages are in view;
// the others open what they open over whatever is open.
class WindowActions : public QObject {
    Q_OBJECT
public:
    // The actions belong to WINDOW, so that their keys work anywhere in it.
    explicit WindowActions(QWidget* window);

    QAction* const save;
    QAction* const print;
    QAction* const find;
    QAction* const findNext;
    QAction* const findPrevious;
    QAction* const findInAllPages;
    QAction* const history;
    QAction* const options;
    QAction* const help;
    QAction* const about;
    QAction* const restore;
    QAction* const showHide;
    QAction* const exit;

    // Enables the page commands while the pages are in view, and only then.
    void setPagesInView(bool inView);
};

} // namespace tabwise
