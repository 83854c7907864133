#include "ui/PageView.h"

#include "core/BoxText.h"
#include "core/LongLines.h"
#include "core/PageFile.h"
#include "core/PrintedLines.h"
#include "core/TextEncoding.h"
#include "core/Titles.h"
#include "platform/Platform.h"
#include "ui/BusyCursor.h"
#include "ui/CommandLabel.h"
#include "ui/ListBox.h"
#include "ui/PageColours.h"
#include "ui/PrintDocument.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QPrinter>

namespace tabwise {

namespace {

// The largest size, at most the window's own, at which the default captions of a row of commands
// fit the design's slots without running into each other.
QFont commandFont(const QFont& base)
{
    const int slot = px(3480 - 1800) - 6;
    QFont font = base;
    for (qreal size = base.pointSizeF(); size >= 6.5; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const PageInfo& info : pageTable) {
            for (const char* verb : { "&Print ", "&Edit ", "&Save " }) {
                const QString caption = QLatin1String(verb) + QLatin1String(info.defaultCaption);
                widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, caption).width());
            }
        }
        if (widest <= slot)
            break;
    }
    return font;
}

CommandLabel* makeCommand(QWidget* page, const char* name, int left, const QFont& font)
{
    auto* label = new CommandLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(twipsRect(left, 5640, 0, 195));
    return label;
}

} // namespace

PageView::PageView(const PageInfo& info, const QString& appFolder, Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_info(info)
    , m_appFolder(appFolder)
    , m_platform(platform)
{
    setObjectName(QLatin1String(info.name) + QStringLiteral("Page"));
    buildControls();
    setCommandNames(QString::fromLatin1(info.defaultCaption));
    setSpokenName(QString::fromLatin1(info.defaultCaption));
}

void PageView::buildControls()
{
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("textBox"));
    m_text->setGeometry(twipsRect(0, 0, 5200, 5535));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the text box, as in any dialog-like window; the pages hold no tab characters.
    m_text->setTabChangesFocus(true);
    setViewingColour(m_text);
    if (m_info.kind == PageKind::List) {
        m_text->hide(); // lies under the list until the page is edited
        m_list = new ListBox(this);
        m_list->setObjectName(QStringLiteral("entryList"));
        m_list->setGeometry(twipsRect(0, 0, 5205, 5490));
        setViewingColour(m_list);
        connect(m_list, &ListBox::entryActivated, this, &PageView::openSelectedEntry);
    }
    const QFont font = commandFont(this->font());
    m_print = makeCommand(this, "printButton", 120, font);
    m_edit = makeCommand(this, "editButton", 1800, font);
    m_save = makeCommand(this, "saveButton", 3480, font);
    connect(m_print, &CommandLabel::clicked, this, &PageView::print);
    connect(m_edit, &CommandLabel::clicked, this, &PageView::startEditing);
    connect(m_save, &CommandLabel::clicked, this, &PageView::save);
}

QString PageView::filePath() const
{
    return pagePath(m_appFolder, m_info.fileName);
}

void PageView::setCommandNames(const QString& name)
{
    m_edit->setCaption(editCaption(name));
    m_save->setCaption(saveCaption(name));
    m_print->setCaption(printCaption(name));
}

void PageView::setSpokenName(const QString& caption)
{
    const QString name = spokenPageName(caption, m_info.tabIndex);
    m_text->setAccessibleName(name);
    if (m_list)
        m_list->setAccessibleName(name);
}

bool PageView::readFile()
{
    const QString path = filePath();
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    m_shownFile.reset();
    const BusyCursor busy(fileStamp(path).size > BusyCursor::largePage);
    const PageRead read = readPageFile(path);
    if (!read.ok()) {
        showError(QStringLiteral("The page could not be read:\n\n") + read.error);
        m_text->clear();
        m_text->document()->setModified(false);
        return false;
    }
    m_text->setLineWrapMode(
        hasLineLongerThan(read.text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(read.text);
    m_shownFile = stamp;
    return true;
}

void PageView::showFromFile()
{
    if (!m_list) {
        if (!boxShowsFile())
            readFile();
        return;
    }
    m_text->hide();
    m_list->clear();
    m_list->show();
    if (!m_list->restoreUnchanged(fileStamp(filePath())))
        loadList();
}

void PageView::leave()
{
    if (m_list)
        m_list->clear();
}

void PageView::reloadAfterRestore()
{
    if (m_list && !m_list->isHidden()) {
        m_list->clear();
        loadList();
    } else if (!hasUnsavedText()) {
        readFile();
    }
}

void PageView::loadList()
{
    // One entry per line. Nothing is reported: a file that is missing, empty or cannot be read
    // adds one empty entry.
    const QString path = filePath();
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    const BusyCursor busy(fileStamp(path).size > BusyCursor::largePage);
    const PageRead read = readPageFile(path);
    m_list->appendFileText(read.text, read.ok() ? stamp : std::nullopt);
}

bool PageView::writeList()
{
    const FileWrite written = writePageFile(filePath(), encodePageText(m_list->fileText()));
    if (!written.ok) {
        m_platform.messages().show(
            this, QStringLiteral("There has been a error!"), msgbox::OkOnly, QStringLiteral("Error"));
        return false;
    }
    m_list->clear();
    return true;
}

void PageView::startEditing()
{
    // A list page already being edited keeps the text being edited, and its file is not touched.
    if (m_list && m_text->isHidden()) {
        writeList();
        m_list->hide();
        m_text->show();
        readFile();
    }
    setEditingColour(m_text);
    m_text->setFocus();
}

bool PageView::save()
{
    // A list page being viewed already shows its file's entries, each once, and the file stays.
    const bool listInView = m_list && m_text->isHidden();
    if (!listInView && !writeTextBox(true))
        return false; // a page that cannot be written stays as it is, in editing, with its text
    setViewingColour(m_text);
    if (m_list && !listInView) {
        m_text->hide();
        m_list->show();
        m_list->clear();
        loadList();
    }
    Q_EMIT saved();
    return !hasUnsavedText();
}

bool PageView::saveQuietly()
{
    return writeTextBox(false);
}

bool PageView::writeTextBox(bool reportFailure)
{
    const QString path = filePath();
    // An untouched box that shows exactly its unchanged file is saved as the file's own bytes: the
    // box turns lone CRs and LFs into line breaks, and the file may not be UTF-8 at all, so its
    // text could not give the same bytes back. Only a missing final line end is added.
    std::optional<QByteArray> bytes;
    if (boxShowsFile())
        bytes = readPageBytes(path);
    if (bytes && (bytes->endsWith('\n') || bytes->endsWith('\r')))
        return true;
    if (bytes)
        *bytes += "\r\n";
    else
        bytes = pageBytesFromRawText(m_text->document()->toRawText());
    const FileWrite written = writePageFile(path, *bytes);
    if (!written.ok) {
        if (reportFailure)
            showError(QStringLiteral("The page could not be saved:\n\n") + written.error);
        return false;
    }
    m_text->document()->setModified(false);
    // The file may now end with a line end that the box does not show: the next showing reads it.
    m_shownFile.reset();
    return true;
}

bool PageView::hasUnsavedText() const
{
    return m_text->document()->isModified();
}

void PageView::discardUnsavedText()
{
    m_text->document()->setModified(false);
    m_shownFile.reset();
}

bool PageView::boxShowsFile() const
{
    return m_shownFile && !hasUnsavedText() && *m_shownFile == fileStamp(filePath());
}

void PageView::print()
{
    // The printer dialog first; Cancel prints nothing.
    QPrinter printer(QPrinter::HighResolution);
    if (!m_platform.printing().showPrinterDialog(this, printer))
        return;
    // A text page prints its text as it stands in the box, saved or not; a list page every entry
    // in list order.
    QStringList lines;
    if (m_list) {
        QStringList entries;
        entries.reserve(m_list->entryCount());
        for (qsizetype i = 0; i < m_list->entryCount(); ++i)
            entries << m_list->entry(i);
        lines = listPageLines(entries);
    } else {
        lines = textPageLines(m_text->toPlainText());
    }
    const PrintResult printed = printDocument(printer, lines);
    if (!printed.ok)
        showError(QStringLiteral("The page could not be printed.\n\n") + printed.error);
}

void PageView::openSelectedEntry()
{
    // Handed to the desktop unchanged and never through a shell: a new mail message to an e-mail
    // entry ("mailto:" and the entry, show command 5), the entry itself for a web entry (show 1).
    const QString entry = m_list->selectedEntry();
    if (m_info.target == EntryTarget::Mail)
        m_platform.openTarget().open(this, QStringLiteral("open"), QStringLiteral("mailto:") + entry, 5);
    else if (m_info.target == EntryTarget::Web)
        m_platform.openTarget().open(this, QStringLiteral("open"), entry, 1);
}

void PageView::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
