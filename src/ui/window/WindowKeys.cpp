#include "ui/window/WindowKeys.h"

#include "ui/history/HistoryPanel.h"
#include "ui/page/CommandLabel.h"
#include "ui/page/PageView.h"
#include "ui/panels/AboutPanel.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/tray/TrayIcon.h"
#include "ui/window/MainWindow.h"
#include "ui/window/TabControl.h"

#include <QAction>
#include <QShortcut>

namespace tabwise {

namespace {

// A shortcut that works while the focus is anywhere within OWNER.
template <typename Action>
void addShortcut(QWidget* owner, QKeySequence keys, Qt::ShortcutContext context, Action action)
{
    auto* shortcut = new QShortcut(keys, owner);
    shortcut->setContext(context);
    QObject::connect(shortcut, &QShortcut::activated, owner, action);
}

} // namespace

void addWindowKeys(MainWindow& window)
{
    // The tab keys belong to the tab control and its pages: they are quiet in an open panel.
    TabControl* tabs = window.tabs();
    const auto next = [tabs] { tabs->setCurrentIndex(tabs->neighbour(1)); };
    const auto previous = [tabs] { tabs->setCurrentIndex(tabs->neighbour(-1)); };
    for (const QKeySequence& keys : { QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown) })
        addShortcut(tabs, keys, Qt::WidgetWithChildrenShortcut, next);
    for (const QKeySequence& keys :
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp) })
        addShortcut(tabs, keys, Qt::WidgetWithChildrenShortcut, previous);

    const auto panelOpen = [&window] {
        return window.optionsPanel()->isVisible() || window.aboutPanel()->isVisible()
            || (window.historyPanel() && window.historyPanel()->isVisible());
    };
    addShortcut(&window, QKeySequence(Qt::CTRL | Qt::Key_S), Qt::WindowShortcut,
        [&window] { window.currentPage()->saveButton()->click(); });
    // Printing only while the pages are on view: not over the options or the About panel.
    addShortcut(&window, QKeySequence(Qt::CTRL | Qt::Key_P), Qt::WindowShortcut, [&window, panelOpen] {
        CommandLabel* print = window.currentPage()->printButton();
        if (!panelOpen() && print->isVisible())
            print->click();
    });
    addShortcut(&window, QKeySequence::HelpContents, Qt::WindowShortcut, [&window] { window.openHelp(); });
    addShortcut(&window, QKeySequence(Qt::CTRL | Qt::Key_H), Qt::WindowShortcut, [&window, panelOpen] {
        if (!panelOpen())
            window.openHistory();
    });
    addShortcut(&window, QKeySequence(Qt::CTRL | Qt::Key_Comma), Qt::WindowShortcut, [&window] {
        if (!window.optionsPanel()->isVisible())
            window.trayIcon()->optionsAction()->trigger();
    });
}

} // namespace tabwise
