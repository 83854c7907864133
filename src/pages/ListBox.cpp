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

QString ListBox::Text() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? m_model.entry(index.row()) : QString();
}

} // namespace tabwise
