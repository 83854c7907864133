#include "ui/find/FindBar.h"

#include "ui/page/ListBox.h"
#include "ui/page/PageView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>

namespace tabwise {

namespace {

// A selection of more than a line or of this many characters is not taken as the text to find.
constexpr int longestTakenSelection = 200;

QString keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

QToolButton* makeButton(QWidget* parent, const char* name, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void FindBar::buildControls()
{
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findField"));
    //: The find bar's field, and what it shows while empty
    m_field->setAccessibleName(tr("Find"));
    m_field->setPlaceholderText(m_field->accessibleName());
    m_field->installEventFilter(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("findCount"));
    //: %1 is the key (Shift+F3)
    auto* previous
        = makeButton(this, "findPreviousButton", tr("Previous Match (%1)").arg(keyText(Qt::SHIFT | Qt::Key_F3)));
    previous->setArrowType(Qt::UpArrow);
    //: %1 is the key (F3)
    auto* next = makeButton(this, "findNextButton", tr("Next Match (%1)").arg(keyText(Qt::Key_F3)));
    next->setArrowType(Qt::DownArrow);
    m_case = makeButton(this, "matchCaseButton", tr("Match Case"));
    //: The find bar's toggle for matching case: a capital and a small letter
    m_case->setText(tr("Aa"));
    m_case->setCheckable(true);
    //: %1 is the key (Escape)
    auto* close = makeButton(this, "closeFindButton", tr("Close (%1)").arg(keyText(Qt::Key_Escape)));
    close->setText(QStringLiteral("\u00d7"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    row->addWidget(m_field, 1);
    row->addWidget(m_count);
    for (QToolButton* button : { previous, next, m_case, close })
        row->addWidget(button);

    connect(m_field, &QLineEdit::textEdited, this, [this] { find(Step::FromHere); });
    connect(m_case, &QToolButton::toggled, this, [this] { find(Step::FromHere); });
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(close, &QToolButton::clicked, this, &FindBar::close);
}

void FindBar::setPage(PageView* page)
{
    if (page == m_page)
        return;
    disconnect(m_textWatch);
    m_page = page;
    m_textKnown = false;
    m_text.clear();
    if (page) {
        m_textWatch = connect(
            page->textBox()->document(), &QTextDocument::contentsChanged, this, [this] { m_textKnown = false; });
    }
    if (isVisible())
        find(Step::Stay);
}

void FindBar::open()
{
    if (m_page && !findsInList()) {
        const QString selected = m_page->textBox()->textCursor().selectedText();
        if (!selected.isEmpty() && selected.size() <= longestTakenSelection
            && !selected.contains(QChar::ParagraphSeparator))
            m_field->setText(selected);
    }
    show();
    m_field->setFocus();
    m_field->selectAll();
    find(Step::Stay);
}

void FindBar::close()
{
    hide();
    m_text.clear(); // a large page's copy is not kept while nobody finds in it
    m_textKnown = false;
    if (m_page)
        findTarget(*m_page)->setFocus();
}

void FindBar::findNext()
{
    if (isHidden())
        open();
    find(Step::Next);
}

void FindBar::findPrevious()
{
    if (isHidden())
        open();
    find(Step::Previous);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        key->modifiers() & Qt::ShiftModifier ? findPrevious() : findNext();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* findTarget(const PageView& page)
{
    return page.mode() == PageView::Mode::List ? static_cast<QWidget*>(page.entryList()) : page.textBox();
}

void selectText(QPlainTextEdit* box, qsizetype start, qsizetype length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    const bool inView = box->viewport()->rect().contains(box->cursorRect(cursor));
    box->setTextCursor(cursor);
    if (!inView)
        box->centerCursor();
}

bool FindBar::findsInList() const
{
    return m_page && findTarget(*m_page) != m_page->textBox();
}

MatchCycle FindBar::textMatches(const QString& needle, Qt::CaseSensitivity cs)
{
    if (!m_textKnown) {
        m_text = m_page->textBox()->document()->toRawText();
        m_textKnown = true;
    }
    return MatchCycle(findAll(m_text, needle, cs));
}

MatchCycle FindBar::listMatches(const QString& needle, Qt::CaseSensitivity cs) const
{
    const EntryListModel& entries = m_page->entryList()->entries();
    return MatchCycle(entriesHolding(entries.spans(), findAll(entries.text(), needle, cs)));
}

void FindBar::find(Step step)
{
    const QString needle = m_field->text();
    if (!m_page || needle.isEmpty()) {
        m_field->setPalette(QPalette());
        m_count->clear();
        return;
    }
    const Qt::CaseSensitivity cs = m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool inList = findsInList();
    const MatchCycle matches = inList ? listMatches(needle, cs) : textMatches(needle, cs);
    QPalette tinted;
    if (matches.count() == 0)
        tinted.setColor(QPalette::Base, QColor(0xff, 0xd0, 0xd0));
    m_field->setPalette(tinted);

    // Where the page stands: the selected entry, or the start of the text's selection.
    const QTextCursor cursor = m_page->textBox()->textCursor();
    const qsizetype here = inList ? std::max(m_page->entryList()->currentIndex().row(), 0) : cursor.selectionStart();
    const bool onMatch = inList
        ? m_page->entryList()->currentIndex().isValid() && matches.indexOf(here) >= 0
        : cursor.hasSelection() && matches.indexOf(here) >= 0 && cursor.selectionEnd() - here == needle.size();
    qsizetype index = onMatch ? matches.indexOf(here) : -1;
    if (step == Step::FromHere)
        index = matches.firstFrom(here);
    else if (step == Step::Next)
        index = matches.firstFrom(onMatch ? here + 1 : here);
    else if (step == Step::Previous)
        index = matches.lastBefore(here);
    showCount(index, matches.count());
    if (step == Step::Stay || index < 0)
        return;
    if (inList)
        m_page->entryList()->selectEntry(matches.at(index));
    else
        selectText(m_page->textBox(), matches.at(index), needle.size());
}

void FindBar::showCount(qsizetype index, qsizetype count)
{
    const int matches = int(count);
    if (count == 0)
        m_count->setText(tr("No matches"));
    else if (index >= 0)
        //: The find bar's count: the match selected, of how many in the page ("3 of 12")
        m_count->setText(tr("%1 of %n", nullptr, matches).arg(index + 1));
    else
        m_count->setText(tr("%n match(es)", nullptr, matches));
}

} // namespace tabwise
