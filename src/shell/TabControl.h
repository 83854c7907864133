#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace tabwise {

// The strip of tabs along the bottom: every visible tab gets the same width, and a caption too
// long for it is cut short with an ellipsis (the full caption shows as the tab's tooltip).
class EqualTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit EqualTabBar(QWidget* parent = nullptr);
    void setStripWidth(int width);
    void setTabHeight(int height);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_stripWidth = 0;
    int m_tabHeight = 20;
};

// The tab control that holds the five pages. A tab's caption reads back exactly as written; a tab
// can be hidden and shown again; Click carries the index of the tab that was current before and
// is raised after the new tab has become current, for a user's click and for setTab() alike.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    int Tab() const { return currentIndex(); }
    void setTab(int index) { setCurrentIndex(index); }
    QString TabCaption(int index) const { return tabText(index); }
    void setTabCaption(int index, const QString& caption);
    bool TabVisible(int index) const { return isTabVisible(index); }
    void setTabVisibleAt(int index, bool visible) { setTabVisible(index, visible); }
    EqualTabBar* strip() const { return m_bar; }

Q_SIGNALS:
    void Click(int previousTab);
    // A tab's caption was set (by setTabCaption, the only way captions change).
    void captionChanged(int index, const QString& caption);

private:
    EqualTabBar* m_bar;
    int m_previous = 0;
};

} // namespace tabwise
