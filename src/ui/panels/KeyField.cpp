#include "ui/panels/KeyField.h"

#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tabwise {

KeyField::KeyField(bool supported, QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    if (!supported) {
        //: In the place of the show/hide key where the desktop gives programs no keys; tabwise --toggle is a
        //: command and stays as it is
        auto* note = new QLabel(tr("Show/hide key: bind\ntabwise --toggle\nin the desktop's settings"), this);
        note->setObjectName(QStringLiteral("showHideKeyNote"));
        note->setToolTip(tr("This desktop gives programs no keys of their own: let its keyboard shortcut settings "
                            "run tabwise --toggle to show and hide the window."));
        note->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont small = note->font();
        small.setPointSizeF(small.pointSizeF() - 1);
        note->setFont(small);
        column->addWidget(note, 0, Qt::AlignTop);
        return;
    }
    //: Above the field of the key that shows and hides the window from any program
    auto* caption = new QLabel(tr("Show/hide &key:"), this);
    m_edit = new QKeySequenceEdit(this);
    m_edit->setObjectName(QStringLiteral("showHideKeyEdit"));
    m_edit->setAccessibleName(tr("Key that shows and hides the window from anywhere"));
    m_edit->setToolTip(tr("Shows and hides the window from any program"));
    m_edit->setClearButtonEnabled(true);
    // A screen reader meets the edit's own text box and its clear button: both get names.
    if (auto* text = m_edit->findChild<QLineEdit*>())
        text->setAccessibleName(m_edit->accessibleName());
    for (auto* button : m_edit->findChildren<QToolButton*>())
        button->setAccessibleName(tr("Clear the key"));
    caption->setBuddy(m_edit);
    column->addWidget(caption);
    column->addWidget(m_edit);
    connect(m_edit, &QKeySequenceEdit::keySequenceChanged, this, &KeyField::keep);
}

bool KeyField::usable(QKeyCombination keys)
{
    const bool functionKey = keys.key() >= Qt::Key_F1 && keys.key() <= Qt::Key_F35;
    return functionKey || keys.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

void KeyField::keep(const QKeySequence& keys)
{
    // One combination only, and only one that leaves every program its typing.
    if (keys.count() > 1 || (!keys.isEmpty() && !usable(keys[0])))
        m_edit->setKeySequence(keys.isEmpty() || !usable(keys[0]) ? QKeySequence() : QKeySequence(keys[0]));
}

QString KeyField::keyText() const
{
    if (!m_edit)
        return m_text;
    // Also while the field still waits for more keys (it shows what it keeps once it is done).
    const QKeySequence keys = m_edit->keySequence();
    return keys.isEmpty() || !usable(keys[0]) ? QString() : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
}

void KeyField::setKeyText(const QString& text)
{
    if (m_edit)
        m_edit->setKeySequence(QKeySequence::fromString(text, QKeySequence::PortableText));
    else
        m_text = text;
}

} // namespace tabwise
