#pragma once

#include "pages/EntryListModel.h"
#include "pages/FileStamp.h"

#include <QListView>

namespace tabwise {

// A list box of a list page: entries in the order they were added, not sorted, each a text that
// may be empty. Scales to a million entries.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& entry);
    void AddFileText(const QString& text);
    // Empties the list. A list on a page not shown that holds exactly a page file's entries,
    // as stamped, keeps them set aside instead, so that showing the unchanged file again costs
    // neither reading nor laying out a million entries.
    void Clear();
    qsizetype ListCount() const { return m_parked ? 0 : m_model.count(); }
    QString List(qsizetype i) const { return m_model.entry(i); }
    // The selected entry's text; empty when none is selected.
    QString Text() const;
    QString FileText() const { return m_parked ? QString() : m_model.fileText(); }

    // The list now holds exactly the entries of the file with this stamp (none: unknown).
    void setSource(const std::optional<FileStamp>& stamp) { m_source = stamp; }
    // Brings back the entries set aside by Clear() when they came from a file that still has this
    // stamp, as a fresh load would show them; returns whether it did.
    bool RestoreUnchanged(const FileStamp& current);

Q_SIGNALS:
    void DblClick();

private:
    void dropParked();

    EntryListModel m_model;
    std::optional<FileStamp> m_source;
    bool m_parked = false;
};

} // namespace tabwise
