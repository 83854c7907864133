#pragma once

#include <QWidget>

class QKeySequenceEdit;

namespace tabwise {

// The options panel's field for the key that shows and hides the window: it records one key
// combination with Ctrl, Alt or Meta (or a function key alone; a key that would take away a
// character from every program is not kept). Where the desktop gives programs no such keys, it
// says instead to let the desktop's own shortcut settings run `tabwise --toggle`.
class KeyField : public QWidget {
    Q_OBJECT
public:
    KeyField(bool supported, QWidget* parent = nullptr);

    QKeySequenceEdit* edit() const { return m_edit; } // nullptr where not supported
    // The key in Qt's portable text ("Ctrl+Alt+N"); empty for none.
    QString keyText() const;
    void setKeyText(const QString& text);

    // Whether a key combination may show and hide the window from anywhere.
    static bool usable(QKeyCombination keys);

private:
    void keep(const QKeySequence& keys);

    QKeySequenceEdit* m_edit = nullptr;
    QString m_text; // kept where not supported
};

} // namespace tabwise
