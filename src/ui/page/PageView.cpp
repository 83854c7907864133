#include "ui/page/PageView.h"

#include "core/captions/Titles.h"
#include "core/entries/EntryAddress.h"
#include "core/keeping/DraftKeeper.h"
#include "core/page/LongLines.h"
#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"
#include "core/print/PrintedLines.h"
#include "platform/Platform.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/Twips.h"
#include "ui/page/CommandLabel.h"
#include "ui/page/ListBox.h"
#include "ui/page/NoteBar.h"
#include "ui/page/PageColours.h"
#include "ui/print/PagePrinter.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace tabwise {

namespace {

// Typing is kept in its draft this long after the first keystroke not yet kept.
constexpr int draftDelayMilliseconds = 700;

CommandLabel* makeCommand(QWidget* page, const char* name, int left, const QFont& font)
{
    auto* label = new CommandLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(twipsRect(left, 5640, 0, 195));
    return label;
}

} // namespace

PageView::PageView(
    const PageInfo& info, const QString& appFolder, Platform& platform, DraftKeeper& drafts, QWidget* parent)
    : QWidget(parent)
    , m_info(info)
    , m_appFolder(appFolder)
    , m_platform(platform)
    , m_drafts(drafts)
{
    setObjectName(QLatin1String(info.name) + QStringLiteral("Page"));
    buildControls();
    setCommandNames(QString::fromLatin1(info.defaultCaption));
    setSpokenName(QString::fromLatin1(info.defaultCaption));
    m_draftTimer.setSingleShot(true);
    m_draftTimer.setInterval(draftDelayMilliseconds);
    connect(&m_draftTimer, &QTimer::timeout, this, &PageView::keepDraft);
    connect(m_text->document(), &QTextDocument::modificationChanged, this, &PageView::typingChanged);
    connect(m_text->document(), &QTextDocument::contentsChanged, this, [this] {
        if (hasUnsavedText() && !m_draftTimer.isActive())
            m_draftTimer.start();
    });
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
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this, &PageView::showTextMenu);
    setViewingColour(m_text);
    if (m_info.kind == PageKind::List) {
        m_text->hide(); // lies under the list until the page is edited
        m_list = new ListBox(this);
        m_list->setObjectName(QStringLiteral("entryList"));
        m_list->setGeometry(twipsRect(0, 0, 5205, 5490));
        setViewingColour(m_list);
        connect(m_list, &ListBox::entryActivated, this, &PageView::openSelectedEntry);
        connect(m_list, &ListBox::historyRequested, this, &PageView::historyRequested);
    }
    const QFont font = CommandLabel::rowFont(this->font());
    m_print = makeCommand(this, "printButton", 120, font);
    m_edit = makeCommand(this, "editButton", 1800, font);
    m_save = makeCommand(this, "saveButton", 3480, font);
    m_printer = new PagePrinter(this, m_platform);
    connect(m_print, &CommandLabel::clicked, this, &PageView::print);
    connect(m_edit, &CommandLabel::clicked, this, &PageView::startEditing);
    connect(m_save, &CommandLabel::clicked, this, &PageView::save);
}

NoteBar* PageView::note()
{
    if (m_note)
        return m_note;
    // The note pushes the text down rather than covering its first lines.
    m_note = new NoteBar(this);
    m_note->setGeometry(twipsRect(0, 0, 5200, 600));
    // Tab reaches its close button after the page's text or list, before the page's commands.
    QWidget::setTabOrder(m_list ? static_cast<QWidget*>(m_list) : m_text, m_note->findChild<QToolButton*>());
    connect(m_note, &NoteBar::shownChanged, this, [this](bool shown) {
        const int top = shown ? m_note->height() : 0;
        m_text->setGeometry(twipsRect(0, 0, 5200, 5535).adjusted(0, top, 0, 0));
        if (m_list)
            m_list->setGeometry(twipsRect(0, 0, 5205, 5490).adjusted(0, top, 0, 0));
    });
    return m_note;
}

void PageView::hideNote()
{
    if (m_note) // a note never made has nothing to hide
        m_note->hide();
}

QString PageView::filePath() const
{
    return pagePath(m_appFolder, m_info.fileName);
}

void PageView::setCommandNames(const QString& name)
{
    if (name == m_name && !m_name.isEmpty())
        return; // measuring three captions again would change nothing
    m_name = name;
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
    if (!m_folderReachable)
        return false;
    const QString path = filePath();
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    const BusyCursor busy(fileStamp(path).size > BusyCursor::largePage);
    const PageRead read = readPageFile(path);
    if (!read.ok()) {
        m_baseline.clear();
        showError(QStringLiteral("The page could not be read:\n\n") + read.error);
        return false;
    }
    m_text->setLineWrapMode(
        hasLineLongerThan(read.text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(read.text);
    // Filled with an empty text, the box says it is modified and then, without a word, that it is not.
    Q_EMIT unsavedChanged(hasUnsavedText());
    m_baseline.set(read.content, stamp);
    hideNote();
    return true;
}

void PageView::showFromFile()
{
    // A page with unsaved typing is shown again still being edited, with its typing.
    if (!m_folderReachable || hasUnsavedText())
        return;
    if (!m_list) {
        if (m_baseline.compare(filePath()) != PageBaseline::Disk::Same)
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

void PageView::compareWithFile()
{
    if (!m_folderReachable)
        return;
    QString error;
    const PageBaseline::Disk disk = m_baseline.compare(filePath(), &error);
    if (disk == PageBaseline::Disk::Same)
        return;
    if (disk == PageBaseline::Disk::Unreadable) {
        note()->showNote(QStringLiteral("This page's file cannot be read; what you see is kept.\n") + error);
        return;
    }
    if (hasUnsavedText()) {
        note()->showNote(QStringLiteral("Changed on disk by another program. Your typing is kept; Save asks "
                                        "which version to keep."));
        return;
    }
    if (!isVisible())
        return; // read anew when it comes on screen
    if (m_list && m_text->isHidden()) {
        m_list->clear();
        loadList();
    } else {
        readFile();
    }
}

void PageView::restoreDraft(const Draft& draft)
{
    if (m_list) {
        m_list->hide();
        m_text->show();
    }
    m_text->setLineWrapMode(
        hasLineLongerThan(draft.text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(draft.text);
    if (draft.base)
        m_baseline.set(*draft.base, std::nullopt);
    else
        m_baseline.clear();
    m_text->document()->setModified(true);
    m_draftOnDisk = true;
    setEditingColour(m_text);
    note()->showNote(QStringLiteral("Unsaved typing from the last session was restored. Save keeps it."));
}

void PageView::takeText(const QString& text)
{
    if (m_list) {
        m_list->hide();
        m_text->show();
    }
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
    setEditingColour(m_text);
    m_text->setFocus();
}

QString PageView::currentText() const
{
    if (m_list && m_text->isHidden())
        return m_list->fileText();
    return m_text->toPlainText();
}

void PageView::loadList()
{
    // One entry per line. A file that is missing or empty adds one empty entry; so does one that
    // cannot be read, and the user is told why.
    const QString path = filePath();
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    const BusyCursor busy(fileStamp(path).size > BusyCursor::largePage);
    const PageRead read = readPageFile(path);
    m_list->appendFileText(read.text, read.ok() ? stamp : std::nullopt);
    if (read.ok()) {
        m_baseline.set(read.content, stamp);
        return;
    }
    m_baseline.clear();
    showError(QStringLiteral("The page could not be read:\n\n") + read.error);
}

void PageView::startEditing()
{
    // A list page already being edited keeps the text being edited, and its file is not touched.
    if (m_list && m_text->isHidden()) {
        const QString entries = m_list->fileText();
        writeList();
        m_list->hide();
        m_text->show();
        if (!m_folderReachable)
            m_text->setPlainText(entries);
        else
            readFile();
    }
    setEditingColour(m_text);
    m_text->setFocus();
}

bool PageView::hasUnsavedText() const
{
    return m_text->document()->isModified();
}

void PageView::typingChanged()
{
    const bool unsaved = hasUnsavedText();
    // Filling the box (which passes through "modified" on its way) leaves no draft to forget.
    if (!unsaved) {
        m_draftTimer.stop();
        if (m_draftOnDisk)
            m_drafts.forget(QString::fromLatin1(m_info.fileName));
        m_draftOnDisk = false;
    }
    Q_EMIT unsavedChanged(unsaved);
}

void PageView::keepDraft()
{
    if (!hasUnsavedText())
        return;
    QString text = m_text->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    m_draftOnDisk = true;
    m_drafts.keep(QString::fromLatin1(m_info.fileName), text,
        m_baseline.isKnown() ? std::optional<QByteArray>(m_baseline.content()) : std::nullopt);
}

void PageView::keepDraftNow()
{
    m_draftTimer.stop();
    keepDraft();
}

void PageView::showTextMenu(const QPoint& position)
{
    QMenu* menu = m_text->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(QStringLiteral("&History..."), this, &PageView::historyRequested);
    QAction* discard = menu->addAction(QStringLiteral("&Discard Unsaved Typing"), this, [this] {
        const int answer = m_platform.messages().show(this,
            QStringLiteral("Discard the unsaved typing on %1? It cannot be brought back.").arg(m_name),
            msgbox::YesNo | msgbox::Question);
        if (answer != msgbox::Yes)
            return;
        discardUnsavedText();
        showFromFile();
    });
    discard->setEnabled(hasUnsavedText());
    menu->popup(m_text->viewport()->mapToGlobal(position));
}

void PageView::discardUnsavedText()
{
    m_text->document()->setModified(false);
    m_baseline.clear(); // the box no longer shows its file: the next showing reads it
    hideNote();
}

void PageView::print()
{
    // What the page shows, saved or not: the text box of a text page or of a list page being
    // edited, else every entry of the list in list order.
    QStringList entries;
    const bool showsList = m_list && m_text->isHidden();
    for (qsizetype i = 0; showsList && i < m_list->entryCount(); ++i)
        entries << m_list->entry(i);
    m_printer->print(m_name, showsList ? listPageLines(entries) : textPageLines(m_text->toPlainText()));
}

void PageView::openSelectedEntry()
{
    // Only a web page or a new mail message to one address leaves the program, as one argument and
    // never through a shell; anything else in the entry is refused with the reason.
    const QString entry = m_list->selectedEntry();
    const EntryAddress address = entryAddress(m_info.target, entry);
    if (!address.url.isValid())
        showError(address.refusal);
    else if (!m_platform.openTarget().open(address.url))
        showError(notOpenedText(entry));
}

void PageView::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
