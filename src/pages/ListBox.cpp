#include "pages/ListBox.h"

namespace tabwise {

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
{
    setModel(&m_model);
    setUniformItemSizes(true); // every entry is one line: no per-row measuring of huge lists
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT DblClick();
    });
}

void ListBox::AddItem(const QString& entry)
{
    m_source.reset();
    m_parkedSource.reset();
    m_model.append(entry);
}

void ListBox::AddFileText(const QString& text)
{
    m_source.reset();
    m_parkedSource.reset();
    m_model.appendFileText(text);
}

void ListBox::Clear()
{
    if (m_model.count() == 0)
        return; // keeps what an earlier Clear() set aside
    if (m_source) {
        m_model.park();
        m_parkedSource = m_source;
    } else {
        m_model.clear();
        m_parkedSource.reset();
    }
    m_source.reset();
}

bool ListBox::RestoreUnchanged(const FileStamp& current)
{
    if (m_model.count() != 0 || !m_parkedSource || *m_parkedSource != current)
        return false;
    m_model.unpark();
    m_source = m_parkedSource;
    m_parkedSource.reset();
    return true;
}

QString ListBox::Text() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? m_model.entry(index.row()) : QString();
}

} // namespace tabwise
