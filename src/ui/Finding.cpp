#include "ui/Finding.h"

#include "ui/AboutPanel.h"
#include "ui/FindBar.h"
#include "ui/FindPanel.h"
#include "ui/MainWindow.h"
#include "ui/OptionsPanel.h"
#include "ui/PageView.h"
#include "ui/TabControl.h"
#include "ui/Twips.h"

#include <QShortcut>

namespace tabwise {

namespace {

template <typename Action> void addKey(MainWindow& window, const QKeySequence& keys, Action action)
{
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, action);
}

// The bar takes the row of the page's commands, between the page's text and the tab strip.
void placeBar(FindBar* bar, MainWindow& window)
{
    const int top = window.tabs()->currentWidget()->mapTo(&window, QPoint(0, px(5535))).y() + 1;
    bar->setGeometry(0, top, window.width(), px(5895) - top);
}

} // namespace

void addFinding(MainWindow& window)
{
    std::array<PageView*, pageCount> pages {};
    for (int tab = 0; tab < pageCount; ++tab)
        pages[std::size_t(tab)] = window.page(tab);
    auto* bar = new FindBar(&window);
    auto* panel = new FindPanel(window.tabs(), pages, &window);
    // Front to back: the About panel, the options panel, the find panel, the find bar, the pages.
    panel->stackUnder(window.optionsPanel());
    bar->stackUnder(panel);
    bar->setPage(window.currentPage());
    QObject::connect(
        window.tabs(), &TabControl::pageChanged, bar, [bar, &window] { bar->setPage(window.currentPage()); });

    const auto panelOpen = [&window] { return window.optionsPanel()->isVisible() || window.aboutPanel()->isVisible(); };
    const auto pagesInView = [panelOpen, panel] { return !panelOpen() && panel->isHidden(); };
    const auto onBar = [&window, bar, pagesInView](void (FindBar::*step)()) {
        return [&window, bar, pagesInView, step] {
            if (!pagesInView())
                return;
            placeBar(bar, window);
            (bar->*step)();
        };
    };
    addKey(window, QKeySequence::Find, onBar(&FindBar::open));
    addKey(window, QKeySequence::FindNext, onBar(&FindBar::findNext));
    addKey(window, QKeySequence::FindPrevious, onBar(&FindBar::findPrevious));
    addKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), [panel, panelOpen] {
        if (!panelOpen())
            panel->open();
    });
}

} // namespace tabwise
