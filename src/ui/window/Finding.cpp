#include "ui/window/Finding.h"

#include "ui/common/Measures.h"
#include "ui/find/FindBar.h"
#include "ui/find/FindPanel.h"
#include "ui/page/TabControl.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelStack.h"
#include "ui/window/WindowActions.h"

#include <QAction>

namespace tabwise {

namespace {

// The bar takes the row of the page's commands, between the page's text and the tab strip.
void placeBar(FindBar* bar, MainWindow& window)
{
    const int top = window.tabs()->currentWidget()->mapTo(&window, QPoint(0, px(measure::pageTextHeight))).y() + 1;
    bar->setGeometry(0, top, window.width(), px(measure::panelHeight) - top);
}

// The find bar and the find panel, each made when first asked for: the first window shows
// neither. A panel that opens over the pages comes in front of the bar.
class Finders : public QObject {
public:
    explicit Finders(MainWindow& window)
        : QObject(&window)
        , m_window(window)
    {
    }

    FindBar* bar()
    {
        if (!m_bar) {
            m_bar = new FindBar(&m_window);
            m_bar->setPage(m_window.currentPage());
            connect(m_window.tabs(), &TabControl::pageChanged, m_bar,
                [bar = m_bar, &window = m_window] { bar->setPage(window.currentPage()); });
        }
        placeBar(m_bar, m_window);
        return m_bar;
    }

    FindPanel* panel()
    {
        if (!m_panel) {
            std::array<PageView*, pageCount> pages {};
            for (int tab = 0; tab < pageCount; ++tab)
                pages[std::size_t(tab)] = m_window.page(tab);
            m_panel = new FindPanel(m_window.tabs(), pages, &m_window);
            m_window.panels()->add(m_panel);
        }
        return m_panel;
    }

private:
    MainWindow& m_window;
    FindBar* m_bar = nullptr;
    FindPanel* m_panel = nullptr;
};

} // namespace

void addFinding(MainWindow& window)
{
    auto* finders = new Finders(window);
    const WindowActions& actions = *window.actions();
    QObject::connect(actions.find, &QAction::triggered, finders, [finders] { finders->bar()->open(); });
    QObject::connect(actions.findNext, &QAction::triggered, finders, [finders] { finders->bar()->findNext(); });
    QObject::connect(actions.findPrevious, &QAction::triggered, finders, [finders] { finders->bar()->findPrevious(); });
    QObject::connect(actions.findInAllPages, &QAction::triggered, finders, [finders] { finders->panel()->open(); });
}

} // namespace tabwise
