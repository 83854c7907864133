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
    dropParked();
    m_source.reset();
    m_model.append(entry);
}

void ListBox::AddFileText(const QString& text)
{
    dropParked();
    m_source.reset();
    m_model.appendFileText(text);
}

void ListBox::Clear()
{
    if (m_parked)
        return;
    if (m_source && !isVisibleTo(window()) && m_model.count() > 0) {
        m_parked = true;
        return;
    }
    m_model.clear();
    m_source.reset();
}

bool ListBox::RestoreUnchanged(const FileStamp& current)
{
    if (!m_parked || !m_source || *m_source != current)
        return false;
    m_parked = false;
    clearSelection();
    setCurrentIndex({});
    scrollToTop();
    return true;
}

void ListBox::dropParked()
{
    if (!m_parked)
        return;
    m_parked = false;
    m_model.clear();
}

QString ListBox::Text() const
{
    if (m_parked)
        return {};
    const QModelIndex index = currentIndex();
    return index.isValid() ? m_model.entry(index.row()) : QString();
}

} // namespace tabwise
