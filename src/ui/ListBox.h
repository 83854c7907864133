#pragma once

#include "core/EntryListModel.h"
#include "core/FileStamp.h"

#include <QListView>

#include <optional>

namespace tabwise {

// The list of a list page: entries in file order, not sorted, each a text that may be empty.
// Scales to a million entries.
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

Q_SIGNALS:
    // An entry was double-clicked.
    void entryActivated();

private:
    EntryListModel m_model;
    std::optional<FileStamp> m_source;
    bool m_parked = false;
};

} // namespace tabwise
