#include "ui/page/ListBox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

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

void ListBox::selectEntry(qsizetype row)
{
    const QModelIndex index = m_model.index(int(row));
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void ListBox::copyEntry() const
{
    if (currentIndex().isValid())
        QGuiApplication::clipboard()->setText(selectedEntry());
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier
        && currentIndex().isValid()) {
        Q_EMIT entryActivated();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copyEntry();
        return;
    }
    QListView::keyPressEvent(event);
}

void ListBox::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu of the entry under the pointer (or, from the keyboard, of the selected one); the
    // page's history is offered anywhere in the list.
    const QModelIndex index = event->reason() == QContextMenuEvent::Mouse ? indexAt(event->pos()) : currentIndex();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (index.isValid()) {
        setCurrentIndex(index);
        //: An entry's context menu: opens the web page or writes a mail to the address
        menu->addAction(tr("&Open"), this, &ListBox::entryActivated);
        //: An entry's context menu: copies the entry
        menu->addAction(tr("&Copy"), this, &ListBox::copyEntry);
        menu->addSeparator();
    }
    menu->addActions(m_pageActions);
    menu->popup(event->reason() == QContextMenuEvent::Mouse || !index.isValid()
            ? event->globalPos()
            : viewport()->mapToGlobal(visualRect(index).center()));
}

} // namespace tabwise
