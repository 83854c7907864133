#pragma once

#include <QFont>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>

namespace tabwise {

// The strip of tabs along the bottom, in a font a little smaller than the window's: each tab is
// as wide as its caption with a little room beside it. When the captions cannot all fit, the widest
// tabs are narrowed and their captions cut short with an ellipsis (the full caption shows as the
// tab's tooltip); the mark of unsaved typing after a caption always stays in view.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);
    void setStripWidth(int width);
    void setTabHeight(int height);
    // The tab's text as it fits into WIDTH.
    QString fittedText(int index, int width) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void initStyleOption(QStyleOptionTab* option, int tabIndex) const override;

private:
    // The width of a caption in the strip's font, measured once: the toolkit asks for every tab's
    // size each time one tab changes.
    int captionWidth(const QString& text) const;

    int m_stripWidth = 0;
    int m_tabHeight = 20;
    mutable QHash<QString, int> m_widths;
    mutable QFont m_widthsFont;
    mutable int m_widthsDpi = 0;
};

// The tab control that holds the pages. A tab's caption reads back exactly as written (without the
// mark of unsaved typing); a tab can be
// hidden and shown again; pageChanged() comes after the new tab has become current, for a user's
// click and for setCurrentIndex() alike.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    void setCaption(int index, const QString& caption);
    QString caption(int index) const { return m_captions.value(index); }
    // A tab whose page holds unsaved typing shows a mark after its caption.
    void setMarked(int index, bool marked);
    // The next shown tab after (step 1) or before (step -1) the current one, round the end.
    int neighbour(int step) const;
    TabStrip* strip() const { return m_bar; }

Q_SIGNALS:
    void pageChanged(int index, int previous);
    void captionChanged(int index, const QString& caption);

private:
    void showCaption(int index);

    TabStrip* m_bar;
    int m_previous = 0;
    QMap<int, QString> m_captions;
    QSet<int> m_marked;
};

} // namespace tabwise
