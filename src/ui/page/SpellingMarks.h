#pragma once

#include "core/spelling/SpellingWords.h"

#include <QObject>
#include <QTextCursor>
#include <QTimer>

#include <optional>

class QPainter;
class QPlainTextEdit;

namespace tabwise {

class SpellingEngine;

// Marks the misspelled words of a text box with the desktop's wavy underline: only the lines in
// view and a few around them are looked at, each checked away from the window's thread once and
// known until its text changes, so that marking never makes typing or scrolling wait. The
// underlines are drawn over the box, not given to its text as a format: a line with a formatted
// word is drawn again piece by piece, which made each key typed a third slower to show.
class SpellingMarks : public QObject {
    Q_OBJECT
public:
    SpellingMarks(QPlainTextEdit* box, SpellingEngine& engine);

    // Marking on or off; off, the marks go.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The marked word at POSITION of the box's text, where there is one; how many are marked.
    std::optional<TextRange> markedWordAt(qsizetype position) const;
    qsizetype markCount() const { return m_marks.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Marks what is in view now, a moment after it changed.
    void scheduleUpdate();
    void update();
    void paintMarks(QPainter& painter, const QRect& area) const;

    QPlainTextEdit* m_box;
    SpellingEngine& m_engine;
    QWidget* m_layer; // over the box's viewport, drawing the underlines
    QTimer m_update;
    QList<TextRange> m_marked; // in positions of the box's text when they were marked
    QList<QTextCursor> m_marks; // the same, moved along by typing since
    bool m_active = false;
};

} // namespace tabwise
