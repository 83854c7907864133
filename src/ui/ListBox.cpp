#include "ui/ListBox.h"

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
            Q_EMIT entryActivated();
    });
}

void ListBox::appendFileText(const QString& text, const std::optional<FileStamp>& source)
{
    if (m_parked) {
        m_parked = false;
        m_model.clear();
    }
    const bool wasEmpty = m_model.count() == 0;
    m_model.appendFileText(text);
    m_source = wasEmpty ? source : std::nullopt;
}

void ListBox::clear()
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

bool ListBox::restoreUnchanged(const FileStamp& current)
{
    if (!m_parked || !m_source || *m_source != current)
        return false;
    m_parked = false;
    clearSelection();
    setCurrentIndex({});
    scrollToTop();
    return true;
}

QString ListBox::selectedEntry() const
{
    if (m_parked)
        return {};
    const QModelIndex index = currentIndex();
    return index.isValid() ? m_model.entry(index.row()) : QString();
}

} // namespace tabwise
