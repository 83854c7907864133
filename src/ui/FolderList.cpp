#include "ui/FolderList.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <filesystem>

namespace tabwise {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;

// Draws each entry moved to the right by its depth, so the list reads as a path and its branches.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index) { return 8 * index.data(DepthRole).toInt(); }
};

// The subfolders of a folder, hidden ones left out, sorted as a person would.
std::error_code listSubfolders(const QString& folder, QStringList& names)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(fs::path(QFile::encodeName(folder).toStdString()), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (!it->is_directory(ignored))
            continue;
        const QString name = QFile::decodeName(QByteArray::fromStdString(it->path().filename().string()));
        if (!name.startsWith(QLatin1Char('.')))
            names << name;
    }
    std::sort(names.begin(), names.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return error;
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
}

std::error_code FolderList::setPath(const QString& folder)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const QString open = QDir::cleanPath(folder);
    QStringList subfolders;
    if (const std::error_code error = listSubfolders(open, subfolders))
        return error;

    m_path = open;
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon& icon, const QString& text, const QString& itemPath, int depth) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(PathRole, itemPath);
        item->setData(DepthRole, depth);
        return item;
    };

    add(openIcon, QStringLiteral("/"), QStringLiteral("/"), 0);
    QString walked;
    int depth = 0;
    for (const QString& part : open.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        add(openIcon, part, walked, ++depth);
    }
    setCurrentRow(count() - 1);
    const QString prefix = open == QLatin1String("/") ? open : open + QLatin1Char('/');
    for (const QString& name : subfolders)
        add(closedIcon, name, prefix + name, depth + 1);
    scrollToItem(currentItem());
    return {};
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::openItem(QListWidgetItem* item)
{
    if (!item)
        return;
    if (const std::error_code error = setPath(item->data(PathRole).toString()))
        Q_EMIT openFailed(error.value(), QString::fromLocal8Bit(error.message()));
}

} // namespace tabwise
