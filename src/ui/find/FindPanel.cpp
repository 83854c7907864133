#include "ui/find/FindPanel.h"

#include "ui/find/FindBar.h"
#include "ui/page/ListBox.h"
#include "ui/page/PageView.h"
#include "ui/page/TabControl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tabwise {

namespace {

enum Role { TabRole = Qt::UserRole, LineRole, ColumnRole };

} // namespace

FindPanel::FindPanel(TabControl* tabs, const std::array<PageView*, pageCount>& pages, QWidget* parent)
    : OverlayPanel(tr("Find in All Pages"), parent)
    , m_tabs(tabs)
    , m_pages(pages)
    , m_field(new QLineEdit(this))
    , m_matchCase(new QCheckBox(tr("Match &case"), this))
    , m_status(new QLabel(this))
    , m_results(new QListWidget(this))
{
    setObjectName(QStringLiteral("findPanel"));
    m_field->setObjectName(QStringLiteral("findAllField"));
    m_field->setAccessibleName(tr("Find in all pages"));
    m_status->setObjectName(QStringLiteral("findAllStatus"));
    m_results->setObjectName(QStringLiteral("findResults"));
    m_results->setAccessibleName(tr("Lines found"));
    m_results->setUniformItemSizes(true);
    auto* row = new QHBoxLayout;
    row->addWidget(m_field, 1);
    row->addWidget(m_matchCase);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(m_status);
    column->addWidget(m_results, 1);
    keepFocusInside();

    for (QWidget* watched : std::initializer_list<QWidget*> { m_field, m_results })
        watched->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FindPanel::search);
    connect(m_matchCase, &QCheckBox::toggled, this, &FindPanel::search);
    connect(&m_search, &PageSearch::found, this, &FindPanel::showHits);
    connect(m_results, &QListWidget::itemDoubleClicked, this, &FindPanel::choose);
}

void FindPanel::open()
{
    // What each shown page holds now: its typing, else its file as the page would show it.
    QList<SearchSource> sources;
    for (PageView* page : m_pages) {
        const int tab = page->info().tabIndex;
        if (!m_tabs->isTabVisible(tab))
            continue;
        if (page->hasUnsavedText())
            sources.append({ tab, page->textBox()->document()->toRawText(), {} });
        else
            sources.append({ tab, {}, page->filePath() });
    }
    m_search.setSources(sources);
    show();
    m_field->setFocus();
    m_field->selectAll();
    search();
}

void FindPanel::close()
{
    hide();
    m_search.clear();
    findTarget(*m_pages[std::size_t(std::max(0, m_tabs->currentIndex()))])->setFocus();
}

void FindPanel::search()
{
    m_search.start(m_field->text(), m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void FindPanel::showHits(const QList<PageHits>& hits)
{
    m_results->clear();
    qsizetype lines = 0;
    bool more = false;
    for (const PageHits& page : hits) {
        auto* caption = new QListWidgetItem(m_tabs->caption(page.tab), m_results);
        caption->setFlags(Qt::NoItemFlags);
        QFont bold = m_results->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->setForeground(m_results->palette().text());
        for (const LineHit& hit : page.lines) {
            //: A line found: its number in the page, then its text ("12: Anna Smith")
            auto* item = new QListWidgetItem(tr("%1: %2").arg(QString::number(hit.line + 1), hit.excerpt), m_results);
            item->setData(TabRole, page.tab);
            item->setData(LineRole, hit.line);
            item->setData(ColumnRole, hit.column);
        }
        lines += qsizetype(page.lines.size());
        more = more || page.more;
    }
    const int count = int(lines);
    if (m_field->text().isEmpty())
        m_status->clear();
    else if (lines == 0)
        m_status->setText(tr("No matches"));
    else if (more)
        m_status->setText(tr("More than %n line(s); the first of each page are listed", nullptr, count));
    else
        m_status->setText(tr("%n line(s)", nullptr, count));
    Q_EMIT resultsShown();
}

bool FindPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return OverlayPanel::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: choose(m_results->currentItem() ? m_results->currentItem() : m_results->item(1)); return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched != m_field)
            break;
        // The focus stays in the field while the keys move in the results.
        QCoreApplication::sendEvent(m_results, event);
        return true;
    default: break;
    }
    return OverlayPanel::eventFilter(watched, event);
}

void FindPanel::choose(QListWidgetItem* item)
{
    if (!item || !item->data(TabRole).isValid())
        return;
    const int tab = item->data(TabRole).toInt();
    const QString needle = m_field->text();
    const Qt::CaseSensitivity cs = m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    hide();
    m_search.clear();
    m_tabs->setCurrentIndex(tab);
    selectFoundText(
        *m_pages[std::size_t(tab)], item->data(LineRole).toLongLong(), item->data(ColumnRole).toLongLong(), needle, cs);
}

void selectFoundText(PageView& page, qsizetype line, qsizetype column, const QString& needle, Qt::CaseSensitivity cs)
{
    QWidget* target = findTarget(page);
    target->setFocus();
    if (ListBox* list = page.entryList(); target == list) {
        const EntryListModel& entries = list->entries();
        const MatchCycle rows(entriesHolding(entries.spans(), findAll(entries.text(), needle, cs)));
        if (const qsizetype index = rows.firstFrom(line); index >= 0)
            list->selectEntry(rows.at(index));
        return;
    }
    QTextDocument* document = page.textBox()->document();
    const QTextBlock block = document->findBlockByNumber(int(line));
    const MatchCycle places(findAll(document->toRawText(), needle, cs));
    if (const qsizetype index = places.firstFrom(block.isValid() ? block.position() + column : 0); index >= 0)
        selectText(page.textBox(), places.at(index), needle.size());
}

} // namespace tabwise
