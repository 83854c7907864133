#include "ui/find/Finding.h"

#include "ui/common/Twips.h"
#include "ui/find/FindBar.h"
#include "ui/find/FindPanel.h"
#include "ui/page/PageView.h"
#include "ui/panels/AboutPanel.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/window/MainWindow.h"
#include "ui/window/TabControl.h"

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

// The find bar and the find panel, each made when a key first asks for it: the first window
// shows neither. Front to back: the About panel, the options panel, the find panel, the find bar,
// the pages.
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
            m_bar->stackUnder(m_panel ? static_cast<QWidget*>(m_panel) : m_window.optionsPanel());
            m_bar->setPage(m_window.currentPage());
            connect(m_window.tabs(), &TabControl::pageChanged, m_bar,
                [bar = m_bar, &window = m_window] { bar->setPage(window.currentPage()); });
        }
        return m_bar;
    }

    FindPanel* panel()
    {
        if (!m_panel) {
            std::array<PageView*, pageCount> pages {};
            for (int tab = 0; tab < pageCount; ++tab)
                pages[std::size_t(tab)] = m_window.page(tab);
            m_panel = new FindPanel(m_window.tabs(), pages, &m_window);
            m_panel->stackUnder(m_window.optionsPanel());
        }
        return m_panel;
    }

    bool panelHidden() const { return !m_panel || m_panel->isHidden(); }

private:
    MainWindow& m_window;
    FindBar* m_bar = nullptr;
    FindPanel* m_panel = nullptr;
};

} // namespace

void addFinding(MainWindow& window)
{
    auto* finders = new Finders(window);
    const auto panelOpen = [&window] { return window.optionsPanel()->isVisible() || window.aboutPanel()->isVisible(); };
    const auto pagesInView = [panelOpen, finders] { return !panelOpen() && finders->panelHidden(); };
    const auto onBar = [&window, finders, pagesInView](void (FindBar::*step)()) {
        return [&window, finders, pagesInView, step] {
            if (!pagesInView())
                return;
            FindBar* bar = finders->bar();
            placeBar(bar, window);
            (bar->*step)();
        };
    };
    addKey(window, QKeySequence::Find, onBar(&FindBar::open));
    addKey(window, QKeySequence::FindNext, onBar(&FindBar::findNext));
    addKey(window, QKeySequence::FindPrevious, onBar(&FindBar::findPrevious));
    addKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), [finders, panelOpen] {
        if (!panelOpen())
            finders->panel()->open();
    });
}

} // namespace tabwise
