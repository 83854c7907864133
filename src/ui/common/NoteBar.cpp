#include "ui/common/NoteBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace tabwise {

NoteBar::NoteBar(QWidget* parent)
    : QFrame(parent)
    , m_text(new QLabel(this))
    , m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("noteBar"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC2)); // a pale yellow, as notes are
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("closeNoteButton"));
    close->setText(QStringLiteral("\u00D7"));
    close->setAccessibleName(tr("Close note"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    m_layout->setContentsMargins(6, 3, 3, 3);
    m_layout->addWidget(m_text, 1);
    m_layout->addWidget(close, 0, Qt::AlignTop);
    hide();
}

void NoteBar::showNote(const QString& text)
{
    m_text->setText(text);
    setAccessibleName(text);
    resize(width(), heightForWidth(width()) > 0 ? heightForWidth(width()) : sizeHint().height());
    show();
    raise();
}

void NoteBar::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    Q_EMIT shownChanged(true);
}

void NoteBar::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    Q_EMIT shownChanged(false);
}

QPushButton* NoteBar::addButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    m_layout->insertWidget(m_layout->count() - 1, button, 0, Qt::AlignVCenter);
    return button;
}

QString NoteBar::text() const
{
    return isHidden() ? QString() : m_text->text();
}

} // namespace tabwise
