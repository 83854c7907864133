#include "ui/panels/FolderList.h"

#include "core/backup/CopyPages.h"
#include "core/page/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::updateEditorGeometry(editor, indented, index);
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
    // Only a new folder is named in place, and only when it is made: a double-click opens.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemChanged, this, &FolderList::rename);
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
    // Enter in the name of a new folder gives the name; it reaches the list too, and opens nothing.
    const bool naming = state() == QAbstractItemView::EditingState;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem() && !naming) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::openItem(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString folder = item->data(PathRole).toString();
    if (const std::error_code error = setPath(folder))
        Q_EMIT openFailed(error.value(), QString::fromLocal8Bit(error.message()), folder);
}

QString FolderList::makeNewFolder()
{
    // Named in the user's language, as a file dialog names it: the user names it at once.
    //: The name a new folder gets until the user types another
    const QString folder = unusedPath((m_path == QLatin1String("/") ? QString() : m_path) + u'/' + tr("New Folder"));
    if (const QString reason = makeFolder(folder); !reason.isEmpty())
        return fileErrorText(folder, reason);
    setPath(folder);
    QListWidgetItem* item = currentItem();
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    editItem(item);
    return {};
}

void FolderList::rename(QListWidgetItem* item)
{
    const QFileInfo old(item->data(PathRole).toString());
    if (!(item->flags() & Qt::ItemIsEditable) || item->text() == old.fileName())
        return;
    const QString name = item->text();
    const QString renamed = old.path() + QLatin1Char('/') + name;
    QString reason;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/')))
        reason = tr("A folder's name cannot be empty, \".\", \"..\" or hold a \"/\".");
    else if (QFileInfo::exists(renamed) || QFileInfo(renamed).isSymLink())
        reason = QString::fromLocal8Bit(std::make_error_code(std::errc::file_exists).message());
    std::error_code error;
    if (reason.isEmpty())
        std::filesystem::rename(
            QFile::encodeName(old.filePath()).toStdString(), QFile::encodeName(renamed).toStdString(), error);
    if (error)
        reason = QString::fromLocal8Bit(error.message());
    {
        const QSignalBlocker quiet(this);
        if (reason.isEmpty()) { // the open folder has a new name: nothing else in the list changes
            item->setData(PathRole, renamed);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_path = renamed;
            return;
        }
        item->setText(old.fileName());
    }
    Q_EMIT renameFailed(fileErrorText(renamed, reason));
    // Then the name can be typed again (once the editor that gave this one has closed).
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (QListWidgetItem* open = currentItem(); open && (open->flags() & Qt::ItemIsEditable))
                editItem(open);
        },
        Qt::QueuedConnection);
}

} // namespace tabwise
