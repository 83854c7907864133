#pragma once

#include "core/page/ListFormat.h"

#include <QAbstractListModel>

#include <vector>

namespace tabwise {

// The entries of a list box, kept as spans into one text buffer, so that a list of a million
// entries loads in one pass and costs little more memory than its file.
class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    qsizetype count() const { return qsizetype(m_entries.size()); }
    QString entry(qsizetype i) const;
    // Appends the entries of a page file's text, one per line.
    void appendFileText(const QString& text);
    void clear();
    // The entries, each followed by CR LF: the text a list is saved as.
    QString fileText() const;
    // The text the entries lie in, and where each lies (for finding text in them).
    QStringView text() const { return m_buffer; }
    const std::vector<EntrySpan>& spans() const { return m_entries; }

private:
    void appendSpans(const QString& text, const std::vector<EntrySpan>& spans);

    QString m_buffer;
    std::vector<EntrySpan> m_entries;
};

} // namespace tabwise
