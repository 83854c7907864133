#pragma once

#include "core/page/PageTable.h"
#include "core/search/PageSearch.h"

#include "ui/panels/OverlayPanel.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tabwise {

class PageView;
class TabControl;

// The panel that finds a text in all pages, laid over the pages like the options panel: a field
// and the lines that hold the text, grouped by page under the page's caption. It searches what the
// pages hold now, unsaved typing included, away from the user-interface thread. Up and Down move
// in the results, Enter or a double-click shows that page with the match selected, Escape closes.
class FindPanel : public OverlayPanel {
    Q_OBJECT
public:
    FindPanel(TabControl* tabs, const std::array<PageView*, pageCount>& pages, QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QListWidget* results() const { return m_results; }
    QLabel* status() const { return m_status; }

    // Shows the panel over the pages with the focus in its field.
    void open();
    void close();
    void dismiss() override { close(); }

Q_SIGNALS:
    // The results of the text in the field are shown.
    void resultsShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void showHits(const QList<PageHits>& hits);
    void choose(QListWidgetItem* item);

    TabControl* m_tabs;
    std::array<PageView*, pageCount> m_pages;
    QLineEdit* m_field;
    QCheckBox* m_matchCase;
    QLabel* m_status;
    QListWidget* m_results;
    PageSearch m_search;
};

// Selects the match of NEEDLE that was found on line LINE (from 0) at COLUMN of the page as it
// shows now, in its text or as the entry in its list; when the page has changed since, the first
// match from that line on. The focus goes to the page.
void selectFoundText(PageView& page, qsizetype line, qsizetype column, const QString& needle, Qt::CaseSensitivity cs);

} // namespace tabwise
