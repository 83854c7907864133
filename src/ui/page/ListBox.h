#pragma once

#include "core/entries/EntryListModel.h"
#include "core/page/FileStamp.h"

#include <QListView>

#include <optional>

namespace tabwise {

// The list of a list page: entries in file order, not sorted, each a text that may be empty.
// Scales to a million entries. An entry opens with a double-click, with Enter or from its menu
// (Open, Copy); Ctrl+C copies it.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Appends the entries of a page file's text; SOURCE is the stamp of the file the list then
    // holds exactly (none: unknown).
    void appendFileText(const QString& text, const std::optional<FileStamp>& source);
    // Empties the list. A list on a page not shown that holds exactly a page file's entries keeps
    // them set aside instead, so that showing the unchanged file again costs neither reading nor
    // laying out a million entries.
    void clear();
    // Brings back the entries set aside by clear() when they came from a file that still has this
    // stamp, as a fresh load would show them; returns whether it did.
    bool restoreUnchanged(const FileStamp& current);

    qsizetype entryCount() const { return m_parked ? 0 : m_model.count(); }
    QString entry(qsizetype i) const { return m_model.entry(i); }
    // The selected entry's text; empty when none is selected.
    QString selectedEntry() const;
    // The entries, each followed by CR LF: the text the list is saved as.
    QString fileText() const { return m_parked ? QString() : m_model.fileText(); }
    // The entries as they are shown (none while set aside).
    const EntryListModel& entries() const { return m_model; }
    // Selects the entry at ROW and scrolls it into the middle of the view.
    void selectEntry(qsizetype row);
    // Puts the selected entry on the clipboard.
    void copyEntry() const;
    // The list's menu offers these after the entry's own (the page's history).
    void setPageActions(const QList<QAction*>& actions) { m_pageActions = actions; }

Q_SIGNALS:
    // An entry was double-clicked, or opened with Enter or from its menu.
    void entryActivated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    EntryListModel m_model;
    std::optional<FileStamp> m_source;
    QList<QAction*> m_pageActions;
    bool m_parked = false;
};

} // namespace tabwise
