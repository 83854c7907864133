#include "ui/page/TabControl.h"

#include "core/captions/TabWidths.h"

#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionTab>
#include <QTextDocument>

#include <algorithm>

namespace tabwise {

namespace {

// Shown after the caption of a tab whose page holds unsaved typing.
const QString unsavedMark = QStringLiteral(" \u2022");
// The room beside a caption, both sides together: at least (also what the style leaves beside the
// text) and at most.
constexpr int leastRoom = 6;
constexpr int mostRoom = 24;
constexpr qreal stripPointSize = 7.5;

// The toolkit's style with a tab's text given all but the least room of its tab.
class TightTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_TabBarTabHSpace ? leastRoom : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TabStrip::TabStrip(QWidget* parent)
    : QTabBar(parent)
{
    setElideMode(Qt::ElideRight);
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(true);
    auto* style = new TightTabs;
    style->setParent(this);
    setStyle(style);
    QFont smaller = font();
    smaller.setPointSizeF(stripPointSize);
    setFont(smaller);
}

void TabStrip::setStripWidth(int width)
{
    m_stripWidth = width;
    updateGeometry();
}

void TabStrip::setTabHeight(int height)
{
    m_tabHeight = height;
    updateGeometry();
}

QSize TabStrip::tabSizeHint(int index) const
{
    std::vector<int> captions;
    int at = 0;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        at = i == index ? int(captions.size()) : at;
        captions.push_back(captionWidth(tabText(i)));
    }
    const std::vector<int> widths = fitTabWidths(captions, m_stripWidth, leastRoom, mostRoom);
    return QSize(widths.empty() ? 0 : widths[std::size_t(at)], m_tabHeight);
}

int TabStrip::captionWidth(const QString& text) const
{
    // Measured anew in another font or at another resolution; a long-running strip keeps only the
    // widths of the captions it has lately shown.
    if (font() != m_widthsFont || logicalDpiY() != m_widthsDpi || m_widths.size() > 4 * count() + 16) {
        m_widths.clear();
        m_widthsFont = font();
        m_widthsDpi = logicalDpiY();
    }
    auto known = m_widths.constFind(text);
    if (known == m_widths.constEnd())
        known = m_widths.insert(text, fontMetrics().size(Qt::TextShowMnemonic, text).width());
    return *known;
}

QString TabStrip::fittedText(int index, int width) const
{
    const QString full = tabText(index);
    if (captionWidth(full) <= width)
        return full;
    // Cut short, the caption loses its end but keeps the mark.
    const bool marked = full.endsWith(unsavedMark);
    const QString caption = marked ? full.chopped(unsavedMark.size()) : full;
    const QString mark = marked ? unsavedMark : QString();
    return fontMetrics().elidedText(
               caption, Qt::ElideRight, width - fontMetrics().horizontalAdvance(mark), Qt::TextShowMnemonic)
        + mark;
}

void TabStrip::initStyleOption(QStyleOptionTab* option, int tabIndex) const
{
    QTabBar::initStyleOption(option, tabIndex);
    option->text = fittedText(tabIndex, style()->subElementRect(QStyle::SE_TabBarTabText, option, this).width());
}

TabControl::TabControl(QWidget* parent)
    : QTabWidget(parent)
    , m_bar(new TabStrip(this))
{
    setTabBar(m_bar);
    setTabPosition(QTabWidget::South);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_previous;
        m_previous = index;
        Q_EMIT pageChanged(index, previous);
    });
    // Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PageDown / Ctrl+PageUp go to the next or previous shown
    // tab while the focus is on the tabs or a page (not in a panel over them).
    const auto addKeys = [this](std::initializer_list<QKeySequence> keys, int step) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, step] { setCurrentIndex(neighbour(step)); });
        }
    };
    addKeys({ QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown) }, 1);
    addKeys({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp) }, -1);
}

void TabControl::setCaption(int index, const QString& caption)
{
    if (m_captions.contains(index) && m_captions.value(index) == caption)
        return; // the tab already shows it
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
    setTabText(index, m_marked.contains(index) ? shown + unsavedMark : shown);
    // A tooltip that looks like markup would be shown as markup: the caption goes in as text.
    //: A tab's tooltip while its page holds typing that is not saved: the tab's name, then the note
    const QString tip
        = m_marked.contains(index) ? tr("%1 (unsaved typing)").arg(this->caption(index)) : this->caption(index);
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
