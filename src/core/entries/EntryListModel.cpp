#include "core/entries/EntryListModel.h"

#include <limits>

namespace tabwise {

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(std::min<qsizetype>(count(), std::numeric_limits<int>::max()));
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return entry(index.row());
    return {};
}

QString EntryListModel::entry(qsizetype i) const
{
    const EntrySpan& span = m_entries[std::size_t(i)];
    return m_buffer.mid(span.start, span.length);
}

void EntryListModel::appendFileText(const QString& text)
{
    appendSpans(text, splitEntries(text));
}

void EntryListModel::appendSpans(const QString& text, const std::vector<EntrySpan>& spans)
{
    if (spans.empty())
        return;
    const int first = int(count());
    beginInsertRows({}, first, first + int(spans.size()) - 1);
    if (m_buffer.isEmpty()) {
        m_buffer = text; // shares the text: no copy for the usual load into an empty list
        m_entries.insert(m_entries.end(), spans.begin(), spans.end());
    } else {
        const qsizetype offset = m_buffer.size();
        m_buffer += text;
        m_entries.reserve(m_entries.size() + spans.size());
        for (const EntrySpan& span : spans)
            m_entries.push_back({ span.start + offset, span.length });
    }
    endInsertRows();
}

void EntryListModel::clear()
{
    if (m_entries.empty() && m_buffer.isEmpty())
        return;
    beginResetModel();
    m_entries = {};
    m_buffer.clear();
    endResetModel();
}

QString EntryListModel::fileText() const
{
    QString text;
    qsizetype total = 0;
    for (const EntrySpan& span : m_entries)
        total += span.length + 2;
    text.reserve(total);
    for (const EntrySpan& span : m_entries) {
        text += QStringView(m_buffer).mid(span.start, span.length);
        text += QLatin1String("\r\n");
    }
    return text;
}

} // namespace tabwise
