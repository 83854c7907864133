#include "ui/page/PageView.h"

#include "core/captions/Titles.h"
#include "core/keeping/DraftStore.h"
#include "core/page/LongLines.h"
#include "core/page/TextEncoding.h"
#include "core/print/PrintedLines.h"
#include "core/spelling/PageSpelling.h"
#include "platform/Platform.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/Measures.h"
#include "ui/common/NoteBar.h"
#include "ui/page/CommandLabel.h"
#include "ui/page/EntryOpener.h"
#include "ui/page/ListBox.h"
#include "ui/page/PageColours.h"
#include "ui/page/SpellingMarks.h"
#include "ui/page/TextMenu.h"
#include "ui/print/PagePrinter.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace tabwise {

namespace {

CommandLabel* makeCommand(QWidget* page, const char* name, int left, const QFont& font)
{
    auto* label = new CommandLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(twipsRect(page, measure::pageWidth, left, measure::commandRowTop, 0, measure::commandRowHeight));
    return label;
}

// The number of characters of the box's text (without the end the box keeps after its last line).
qsizetype textLength(const QTextDocument* text)
{
    return text->characterCount() - 1;
}

} // namespace

PageView::PageView(
    const PageInfo& info, const QString& appFolder, Platform& platform, DraftKeeper& drafts, QWidget* parent)
    : QWidget(parent)
    , m_info(info)
    , m_platform(platform)
    , m_document(new PageDocument(info, appFolder, drafts, this))
    , m_mode(info.kind == PageKind::List ? Mode::List : Mode::Text)
{
    setObjectName(QLatin1String(info.name) + QStringLiteral("Page"));
    buildControls();
    setCommandNames(QString::fromLatin1(info.defaultCaption));
    setSpokenName(QString::fromLatin1(info.defaultCaption));
    m_document->setTextSource([this] { return m_text->document()->toRawText(); });
    connect(m_text->document(), &QTextDocument::modificationChanged, this, [this](bool unsaved) {
        m_document->setUnsaved(unsaved);
        Q_EMIT unsavedChanged(unsaved);
    });
    connect(m_text->document(), &QTextDocument::contentsChange, this, &PageView::passOnChange);
}

void PageView::passOnChange(int position, int removed, int added)
{
    if (m_filling)
        return;
    // The box may count the end it keeps after its last line among the changed characters, on both
    // sides of the change alike.
    QTextDocument* text = m_text->document();
    const qsizetype length = textLength(text);
    const qsizetype beyond = std::max<qsizetype>(0, position + added - length);
    QTextCursor range(text);
    range.setPosition(position);
    range.setPosition(int(position + added - beyond), QTextCursor::KeepAnchor);
    m_document->textEdited(position, std::max<qsizetype>(0, removed - beyond), range.selectedText(), length);
}

void PageView::buildControls()
{
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("textBox"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the text box, as in any dialog-like window; the pages hold no tab characters.
    m_text->setTabChangesFocus(true);
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& position) { showTextMenu(*this, m_platform, m_historyAction, position); });
    if (m_info.kind == PageKind::List) {
        m_list = new ListBox(this);
        m_list->setObjectName(QStringLiteral("entryList"));
        setViewingColour(m_list);
        connect(m_list, &ListBox::entryActivated, this,
            [this] { openEntry(this, m_platform, m_info.target, m_list->selectedEntry()); });
    }
    placeBoxes();
    setMode(m_mode);
    const QFont font = CommandLabel::rowFont(this->font());
    m_print = makeCommand(this, "printButton", 120, font);
    m_edit = makeCommand(this, "editButton", 1800, font);
    m_save = makeCommand(this, "saveButton", 3480, font);
    m_printer = new PagePrinter(this, m_platform);
    connect(m_print, &CommandLabel::clicked, this, &PageView::print);
    connect(m_edit, &CommandLabel::clicked, this, &PageView::startEditing);
    connect(m_save, &CommandLabel::clicked, this, &PageView::save);
}

void PageView::setMode(Mode mode)
{
    m_mode = mode;
    const bool showsList = mode == Mode::List;
    if (m_list) {
        m_list->setVisible(showsList);
        m_text->setVisible(!showsList);
    }
    if (mode == Mode::Editing)
        setEditingColour(m_text);
    else
        setViewingColour(m_text);
}

void PageView::placeBoxes()
{
    // A note over the page pushes the text down rather than covering its first lines.
    const int top = m_note && m_note->isVisible() ? m_note->height() : 0;
    m_text->setGeometry(measure::pageTextRect(this).adjusted(0, top, 0, 0));
    if (m_list)
        m_list->setGeometry(measure::pageListRect(this).adjusted(0, top, 0, 0));
}

NoteBar* PageView::note()
{
    if (m_note)
        return m_note;
    m_note = new NoteBar(this);
    m_note->setGeometry(twipsRect(this, measure::pageWidth, 0, 0, measure::pageTextWidth, 600));
    // Tab reaches its close button after the page's text or list, before the page's commands.
    QWidget::setTabOrder(m_list ? static_cast<QWidget*>(m_list) : m_text, m_note->findChild<QToolButton*>());
    connect(m_note, &NoteBar::shownChanged, this, &PageView::placeBoxes);
    return m_note;
}

void PageView::hideNote()
{
    if (m_note) // a note never made has nothing to hide
        m_note->hide();
}

QString PageView::filePath() const
{
    return m_document->path();
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

void PageView::setHistoryAction(QAction* action)
{
    m_historyAction = action;
    if (m_list)
        m_list->setPageActions({ action });
}

void PageView::setSpelling(PageSpelling* spelling)
{
    if (m_list || m_marks)
        return; // lists of addresses are never checked
    m_spelling = spelling;
    m_marks = new SpellingMarks(m_text, spelling->engine());
    const auto follow = [this] { m_marks->setActive(m_spelling->isChecked(m_info.tabIndex)); };
    connect(spelling, &PageSpelling::checkingChanged, m_marks, follow);
    follow();
}

void PageView::setFolderReachable(bool reachable)
{
    m_document->setFolderReachable(reachable);
}

void PageView::fillText(const QString& text, bool fromFile)
{
    m_text->setLineWrapMode(
        hasLineLongerThan(text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_filling = true;
    m_text->setPlainText(text);
    m_filling = false;
    m_document->textFilled(fromFile, textLength(m_text->document()));
}

bool PageView::readFile()
{
    if (!m_document->isFolderReachable())
        return false;
    const BusyCursor busy(fileStamp(filePath()).size > BusyCursor::largePage);
    const PageRead read = m_document->read();
    if (!read.ok()) {
        showError(tr("The page could not be read:\n\n%1").arg(read.error));
        return false;
    }
    fillText(read.text, true);
    // Filled with an empty text, the box says it is modified and then, without a word, that it is not.
    Q_EMIT unsavedChanged(hasUnsavedText());
    hideNote();
    return true;
}

void PageView::showFromFile()
{
    // A page with unsaved typing is shown again still being edited, with its typing.
    if (!m_document->isFolderReachable() || hasUnsavedText())
        return;
    if (!m_list) {
        if (m_document->compareWithDisk() != PageBaseline::Disk::Same)
            readFile();
        return;
    }
    setMode(Mode::List);
    m_list->clear();
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
    if (!m_document->isFolderReachable())
        return;
    QString error;
    const PageBaseline::Disk disk = m_document->compareWithDisk(&error);
    if (disk == PageBaseline::Disk::Same)
        return;
    if (disk == PageBaseline::Disk::Unreadable) {
        note()->showNote(tr("This page's file cannot be read; what you see is kept.\n%1").arg(error));
        return;
    }
    if (hasUnsavedText()) {
        note()->showNote(tr("Changed on disk by another program. Your typing is kept; Save asks "
                            "which version to keep."));
        return;
    }
    if (!isVisible())
        return; // read anew when it comes on screen
    if (m_mode == Mode::List) {
        m_list->clear();
        loadList();
    } else {
        readFile();
    }
}

void PageView::restoreDraft(const Draft& draft)
{
    setMode(Mode::Editing);
    fillText(draft.text, false);
    m_text->document()->setModified(true);
    m_document->adoptDraft(draft);
    note()->showNote(tr("Unsaved typing from the last session was restored. Save keeps it."));
}

void PageView::takeText(const QString& text)
{
    setMode(Mode::Editing);
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
    m_text->setFocus();
}

QString PageView::currentText() const
{
    return m_mode == Mode::List ? m_list->fileText() : m_text->toPlainText();
}

void PageView::loadList()
{
    // One entry per line. A file that is missing or empty adds one empty entry; so does one that
    // cannot be read, and the user is told why.
    const std::optional<FileStamp> stamp = settledFileStamp(filePath()); // taken before the read
    const BusyCursor busy(fileStamp(filePath()).size > BusyCursor::largePage);
    const PageRead read = m_document->read();
    m_list->appendFileText(read.text, read.ok() ? stamp : std::nullopt);
    if (!read.ok())
        showError(tr("The page could not be read:\n\n%1").arg(read.error));
}

void PageView::startEditing()
{
    // A list page already being edited keeps the text being edited, and its file is not touched.
    // Otherwise its entries are written back and the text box shows the file; when the file cannot
    // be read (or its folder reached), it shows the entries the list showed.
    if (m_mode == Mode::List) {
        const QString entries = m_list->fileText();
        writeList();
        setMode(Mode::Editing);
        if (!readFile())
            fillText(entries, false);
    }
    setMode(Mode::Editing);
    m_text->setFocus();
}

bool PageView::save()
{
    // A list page being viewed already shows its file's entries, each once, and the file stays.
    if (m_mode != Mode::List) {
        const SaveOutcome outcome = m_document->save(
            hasUnsavedText(), [this](const QString& copyName) { return askAboutOtherVersion(copyName); });
        switch (outcome.status) {
        case SaveOutcome::Status::Refused: showError(outcome.error); return false;
        case SaveOutcome::Status::Cancelled: return false;
        case SaveOutcome::Status::OtherVersion:
            if (!readFile())
                return false;
            break;
        case SaveOutcome::Status::Unchanged: break;
        case SaveOutcome::Status::Saved:
            m_text->document()->setModified(false);
            if (outcome.keptCopyName.isEmpty())
                hideNote();
            else
                //: %1 is the name of the copy, a file beside the page's
                note()->showNote(tr("The other program's version was kept as \"%1\".").arg(outcome.keptCopyName));
            break;
        }
        // A page that cannot be written stays as it is above, in editing, with its text.
        setMode(m_list ? Mode::List : Mode::Text);
        if (m_list) {
            m_list->clear();
            loadList();
        }
    }
    Q_EMIT saved();
    return !hasUnsavedText();
}

ConflictChoice PageView::askAboutOtherVersion(const QString& copyName)
{
    // Keeping both is the default; Escape keeps everything as it is.
    const int answer = m_platform.messages().choose(this,
        //: %1 is the page's name, %2 the name of the copy made of the other version
        { tr("\"%1\" was changed on disk by another program since this page was read.\n\nKeep both: your "
             "typing becomes the page, and the other version is kept beside it as \"%2\".")
                .arg(m_name, copyName),
            { tr("Keep &Both"), tr("&Replace It"), tr("&Cancel") }, 0, 2 });
    return answer == 0 ? ConflictChoice::KeepBoth : answer == 1 ? ConflictChoice::Replace : ConflictChoice::Cancel;
}

bool PageView::writeList()
{
    // The list is written back as it was read; a file changed meanwhile is read again first, never
    // written over.
    if (!m_document->isFolderReachable())
        return false;
    const PageBaseline::Disk disk = m_document->compareWithDisk();
    if (disk == PageBaseline::Disk::Unreadable)
        return false;
    if (disk == PageBaseline::Disk::Changed) {
        m_list->clear();
        loadList();
    }
    const FileWrite written = m_document->write(encodePageText(m_list->fileText()));
    if (!written.ok) {
        //: The message of a list that could not be written, as it has always been worded
        m_platform.messages().show(
            this, tr("There has been a error!\n\n%1").arg(written.error), msgbox::OkOnly, tr("Error"));
        return false;
    }
    m_list->clear();
    return true;
}

bool PageView::hasUnsavedText() const
{
    return m_text->document()->isModified();
}

void PageView::keepDraftNow()
{
    m_document->keepDraftNow();
}

void PageView::discardUnsavedText()
{
    m_text->document()->setModified(false);
    m_document->forgetBaseline(); // the box no longer shows its file: the next showing reads it
    hideNote();
}

void PageView::print()
{
    // What the page shows, saved or not: the text box of a text page or of a list page being
    // edited, else every entry of the list in list order.
    if (m_mode != Mode::List) {
        m_printer->print(m_name, textPageLines(m_text->toPlainText()));
        return;
    }
    QStringList entries;
    for (qsizetype i = 0; i < m_list->entryCount(); ++i)
        entries << m_list->entry(i);
    m_printer->print(m_name, listPageLines(entries));
}

void PageView::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
