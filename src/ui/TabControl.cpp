#include "ui/TabControl.h"

#include <QTextDocument>

#include <algorithm>

namespace tabwise {

EqualTabBar::EqualTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setElideMode(Qt::ElideRight);
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(true);
}

void EqualTabBar::setStripWidth(int width)
{
    m_stripWidth = width;
    updateGeometry();
}

void EqualTabBar::setTabHeight(int height)
{
    m_tabHeight = height;
    updateGeometry();
}

QSize EqualTabBar::tabSizeHint(int index) const
{
    int visible = 0;
    for (int i = 0; i < count(); ++i)
        visible += isTabVisible(i) ? 1 : 0;
    Q_UNUSED(index);
    const int width = m_stripWidth > 0 ? m_stripWidth / std::max(visible, 1) : 80;
    return QSize(width, m_tabHeight);
}

TabControl::TabControl(QWidget* parent)
    : QTabWidget(parent)
    , m_bar(new EqualTabBar(this))
{
    setTabBar(m_bar);
    setTabPosition(QTabWidget::South);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_previous;
        m_previous = index;
        Q_EMIT pageChanged(index, previous);
    });
}

void TabControl::setCaption(int index, const QString& caption)
{
    m_captions[index] = caption;
    showCaption(index);
    Q_EMIT captionChanged(index, caption);
}

void TabControl::setMarked(int index, bool marked)
{
    if (marked)
        m_marked.insert(index);
    else
        m_marked.remove(index);
    showCaption(index);
}

void TabControl::showCaption(int index)
{
    // "&&" keeps an ampersand in a caption from turning into an access key.
    const QString shown = QString(caption(index)).replace(u'&', QStringLiteral("&&"));
    setTabText(index, m_marked.contains(index) ? shown + QStringLiteral(" \u2022") : shown);
    // A tooltip that looks like markup would be shown as markup: the caption goes in as text.
    const QString tip
        = m_marked.contains(index) ? this->caption(index) + QStringLiteral(" (unsaved typing)") : this->caption(index);
    setTabToolTip(index, tip.isEmpty() ? tip : Qt::convertFromPlainText(tip, Qt::WhiteSpacePre));
}

int TabControl::neighbour(int step) const
{
    const int tabs = count();
    int tab = currentIndex();
    for (int i = 0; i < tabs; ++i) {
        tab = (tab + step + tabs) % tabs;
        if (isTabVisible(tab))
            return tab;
    }
    return currentIndex();
}

} // namespace tabwise
