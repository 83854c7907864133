#pragma once

#include "pages/EntryListModel.h"

#include <QListView>

namespace tabwise {

// A list box of a list page: entries in the order they were added, not sorted, each a text that
// may be empty. Scales to a million entries.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& entry) { m_model.append(entry); }
    void AddFileText(const QString& text) { m_model.appendFileText(text); }
    void Clear() { m_model.clear(); }
    qsizetype ListCount() const { return m_model.count(); }
    QString List(qsizetype i) const { return m_model.entry(i); }
    // The selected entry's text; empty when none is selected.
    QString Text() const;
    QString FileText() const { return m_model.fileText(); }

Q_SIGNALS:
    void DblClick();

private:
    EntryListModel m_model;
};

} // namespace tabwise
