#pragma once

#include "core/search/TextSearch.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tabwise {

class PageView;

// The find bar of the current page, in the row of the page's commands: a field, a count ("3 of
// 12"), previous and next, a toggle for matching case, and close. Typing selects the first match
// from the cursor; Enter and F3 go to the next match, Shift+Enter and Shift+F3 to the one before,
// round the end; Escape closes the bar and leaves the focus in the page with the match selected.
// In a text the match is selected; in a list, the entry that holds it. A text not found tints the
// field and moves nothing. Finding never changes the page.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QLabel* countLabel() const { return m_count; }
    QToolButton* caseButton() const { return m_case; }

    // The page to find in (the current page); the bar keeps its text.
    void setPage(PageView* page);
    // Shows the bar with the focus in its field, holding the page's selected text when there is one.
    void open();
    // Closes the bar; the focus goes back to the page.
    void close();

public Q_SLOTS:
    void findNext();
    void findPrevious();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Step { FromHere, Next, Previous, Stay };
    void buildControls();
    void find(Step step);
    MatchCycle textMatches(const QString& needle, Qt::CaseSensitivity cs);
    MatchCycle listMatches(const QString& needle, Qt::CaseSensitivity cs) const;
    bool findsInList() const;
    void showCount(qsizetype index, qsizetype count);

    QPointer<PageView> m_page;
    QLineEdit* m_field = nullptr;
    QLabel* m_count = nullptr;
    QToolButton* m_case = nullptr;
    // The text of the page's text box, kept until the text changes.
    QString m_text;
    bool m_textKnown = false;
    QMetaObject::Connection m_textWatch;
};

// Where the page is found in and has the focus: its list while the list shows, else its text.
QWidget* findTarget(const PageView& page);
// Selects LENGTH characters from START in the text box and scrolls them into view (into the
// middle when they were out of view).
void selectText(QPlainTextEdit* box, qsizetype start, qsizetype length);

} // namespace tabwise
