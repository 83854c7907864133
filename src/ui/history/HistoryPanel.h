#pragma once

#include "core/history/HistoryRecorder.h"

#include "ui/panels/OverlayPanel.h"

#include <QTextEdit>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tabwise {

// The history of one page laid over the pages, as the options panel is: its versions newest first
// (date and time, cause, size, lines changed from the version before), and the selected version's
// text with the lines that differ from the page's current text marked. Up, Down, Home and End move
// in the list; Enter or Restore hands the version's text to the window, Copy puts it on the
// clipboard, Escape or Close hides the panel. The versions and their texts are read by the history's
// worker and shown as they come, so that a long history never holds up the window.
class HistoryPanel : public OverlayPanel {
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget* parent = nullptr);

    // Shows the versions of the page at TABINDEX, file FILENAME, captioned CAPTION, that HISTORY
    // holds, beside CURRENTTEXT, the text the page holds now. HISTORY is read while the panel is
    // open. The panel belongs to that page: what it restores goes there.
    void open(HistoryRecorder& history, int tabIndex, const QString& fileName, const QString& caption,
        const QString& currentText);
    // The page whose history is shown.
    int pageIndex() const { return m_tabIndex; }
    void close();
    void dismiss() override { close(); }

    QTreeWidget* versionList() const { return m_list; }
    QPlainTextEdit* versionText() const { return m_text; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* copyButton() const { return m_copy; }
    // The lines of the shown version (numbered from 0) marked as differing from the page now.
    QList<int> markedLines() const { return m_marked; }

Q_SIGNALS:
    // The user chose to put this version's text into the page at TABINDEX.
    void restoreRequested(int tabIndex, const QString& text);

private:
    void fillList(int reading, const std::optional<QList<HistoryVersion>>& versions, const QString& problem);
    void showSelected();
    void showVersion(int reading, const std::optional<ShownVersion>& version, const QString& problem);
    void fillText(int reading, qsizetype done);
    void markLines(int reading, QList<QTextEdit::ExtraSelection> marks);
    void restore();

    HistoryRecorder* m_history = nullptr;
    int m_reading = 0; // the reading whose result the panel waits for
    int m_tabIndex = -1;
    QList<HistoryVersion> m_versions;
    QString m_current; // the page's text now
    ShownVersion m_shown; // the version going into the box
    QList<int> m_marked;
    QTreeWidget* m_list;
    QLabel* m_note;
    QPlainTextEdit* m_text;
    QPushButton* m_restore;
    QPushButton* m_copy;
};

} // namespace tabwise
