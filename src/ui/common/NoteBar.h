#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace tabwise {

// A note laid over the top of a page or of the window, that tells without asking: "Changed on disk
// by another program", "Unsaved typing from the last session was restored". It stays until the
// reason goes away or the user closes it. The text is shown as plain text.
class NoteBar : public QFrame {
    Q_OBJECT
public:
    explicit NoteBar(QWidget* parent = nullptr);

    void showNote(const QString& text);
    QString text() const;
    // A button of the note's own ("Cancel"), before its close button.
    QPushButton* addButton(const QString& text);

Q_SIGNALS:
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_text;
    QHBoxLayout* m_layout;
};

} // namespace tabwise
