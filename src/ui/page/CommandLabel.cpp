#include "ui/page/CommandLabel.h"

#include "core/captions/Titles.h"
#include "core/page/PageTable.h"
#include "ui/common/Measures.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tabwise {

CommandLabel::CommandLabel(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandLabel::setCaption(const QString& caption)
{
    setText(caption);
    // Spoken without the access-key marker: "Edit Notes".
    setAccessibleName(withoutAccessKeys(caption));
    // Out of sight (a page not shown yet) the caption is measured when the label comes into view.
    m_fitted = false;
    if (isVisible())
        fitCaption();
}

void CommandLabel::fitCaption()
{
    m_fitted = true;
    widenFromStart(this, sizeHint().width());
}

void CommandLabel::showEvent(QShowEvent* event)
{
    if (!m_fitted)
        fitCaption();
    QAbstractButton::showEvent(event);
}

QSize CommandLabel::sizeHint() const
{
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    return QSize(textSize.width() + 2, std::max(textSize.height(), height()));
}

void CommandLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    style()->drawItemText(&painter, rect(), flags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

QFont CommandLabel::rowFont(const QFont& base)
{
    // Measured once per base font: every page asks with the same one.
    static QFont cachedBase, cachedRow;
    if (base == cachedBase && cachedRow != QFont())
        return cachedRow;
    const int slot = px(3480 - 1800) - 6;
    QFont font = base;
    for (qreal size = base.pointSizeF(); size >= 6.5; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const PageInfo& info : pageTable) {
            const QString name = defaultTabCaption(info.tabIndex);
            for (const QString& caption : { printCaption(name), editCaption(name), saveCaption(name) })
                widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, caption).width());
        }
        if (widest <= slot)
            break;
    }
    cachedBase = base;
    cachedRow = font;
    return font;
}

} // namespace tabwise
