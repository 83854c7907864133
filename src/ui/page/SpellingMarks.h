#pragma once

#include "core/spelling/SpellingWords.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QPlainTextEdit;

namespace tabwise {

class SpellingEngine;

// Marks the misspelled words of a text box with the desktop's wavy underline: only the lines in
// view and a few around them are looked at, each checked away from the window's thread once and
// known until its text changes, so that marking never makes typing or scrolling wait.
class SpellingMarks : public QObject {
    Q_OBJECT
public:
    SpellingMarks(QPlainTextEdit* box, SpellingEngine& engine);

    // Marking on or off; off, the marks go.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The marked word at POSITION of the box's text, where there is one.
    std::optional<TextRange> markedWordAt(qsizetype position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Marks what is in view now, a moment after it changed.
    void scheduleUpdate();
    void update();

    QPlainTextEdit* m_box;
    SpellingEngine& m_engine;
    QTimer m_update;
    QList<TextRange> m_marked; // in positions of the box's text
    bool m_active = false;
};

} // namespace tabwise
