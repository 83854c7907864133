#include "ui/history/HistoryPanel.h"

#include "core/captions/HistoryCauseText.h"
#include "core/page/LongLines.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace tabwise {

namespace {

// Past this many, marking more lines tells the user nothing more and only costs time.
constexpr int mostMarks = 2000;
// A version's text goes into the box, and its lines are marked, this much at a time, each in a turn
// of the event loop of a few milliseconds: a long version never holds up the window.
constexpr qsizetype sliceChars = 64 << 10;
constexpr qsizetype sliceMarks = 250;

QPushButton* addButton(QLayout* row, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

void addShortcut(QWidget* panel, QKeySequence keys, const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(keys, panel);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, panel, action);
}

} // namespace

HistoryPanel::HistoryPanel(QWidget* parent)
    : OverlayPanel(tr("History"), parent)
    , m_list(new QTreeWidget)
    , m_note(new QLabel)
    , m_text(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("historyPanel"));

    m_list->setObjectName(QStringLiteral("versionList"));
    //: Columns of the list of a page's versions: when it was kept, why, its size, the lines changed
    m_list->setHeaderLabels({ tr("Date and time"), tr("Cause"), tr("Size"), tr("Changes") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    // The cause takes what the time, the size and the changes leave (its tooltip holds it whole).
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Measured on the rows in view: measuring a thousand versions' rows held up the window.
    m_list->header()->setResizeContentsPrecision(0);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setAccessibleName(tr("Versions"));
    m_note->setObjectName(QStringLiteral("historyNote"));
    m_note->setWordWrap(true);
    m_text->setObjectName(QStringLiteral("versionText"));
    m_text->setReadOnly(true);
    m_text->document()->setUndoRedoEnabled(false);
    m_text->setAccessibleName(tr("Text of the selected version"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_list, 2);
    column->addWidget(m_note);
    column->addWidget(m_text, 3);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    m_restore = addButton(buttons, tr("&Restore"), "restoreButton");
    m_copy = addButton(buttons, tr("&Copy"), "copyButton");
    buttons->addStretch();
    QPushButton* closeButton = addButton(buttons, tr("Close"), "closeButton");

    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryPanel::showSelected);
    connect(m_restore, &QPushButton::clicked, this, &HistoryPanel::restore);
    connect(
        m_copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_text->toPlainText()); });
    connect(closeButton, &QPushButton::clicked, this, &HistoryPanel::close);
    addShortcut(this, QKeySequence(Qt::Key_Return), [this] { restore(); });
    addShortcut(this, QKeySequence(Qt::Key_Enter), [this] { restore(); });
    keepFocusInside();
}

void HistoryPanel::open(
    HistoryRecorder& history, int tabIndex, const QString& fileName, const QString& caption, const QString& currentText)
{
    if (m_history != &history) {
        if (m_history)
            disconnect(m_history, nullptr, this, nullptr);
        connect(&history, &HistoryRecorder::versionsRead, this, &HistoryPanel::fillList);
        connect(&history, &HistoryRecorder::versionRead, this, &HistoryPanel::showVersion);
    }
    m_history = &history;
    m_tabIndex = tabIndex;
    m_current = currentText;
    //: %1 is the page's name
    setTitle(tr("History of %1").arg(caption));
    m_versions.clear();
    m_list->clear();
    showSelected(); // nothing yet
    m_note->setText(tr("Reading the versions of this page..."));
    m_reading = history.readVersions(fileName);
    show();
    m_list->setFocus();
}

void HistoryPanel::fillList(int reading, const std::optional<QList<HistoryVersion>>& versions, const QString& problem)
{
    if (reading != m_reading || !m_history)
        return;
    m_versions = versions.value_or(QList<HistoryVersion> {});
    QList<QTreeWidgetItem*> rows;
    const QLocale locale;
    for (const HistoryVersion& version : m_versions) {
        const QString cause = historyCauseText(version.cause);
        auto* row = new QTreeWidgetItem({ locale.toString(version.time.toLocalTime(), QLocale::ShortFormat), cause,
            locale.formattedDataSize(version.size, 1, QLocale::DataSizeTraditionalFormat),
            version.changes ? lineChangesText(*version.changes) : QString() });
        row->setToolTip(1, cause);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    if (!versions)
        m_note->setText(tr("The history could not be read:\n\n%1").arg(problem));
    else if (versions->isEmpty())
        m_note->setText(tr("No version of this page has been kept yet."));
    if (!rows.isEmpty())
        m_list->setCurrentItem(rows.first());
    showSelected();
}

void HistoryPanel::showSelected()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    m_text->setExtraSelections({}); // the marks of the version shown before
    m_text->clear();
    m_marked.clear();
    m_restore->setEnabled(false);
    m_copy->setEnabled(false);
    if (row < 0 || !m_history)
        return;
    m_note->setText(tr("Reading this version..."));
    m_reading = m_history->readVersion(m_versions.at(row), m_current);
}

void HistoryPanel::showVersion(int reading, const std::optional<ShownVersion>& version, const QString& problem)
{
    if (reading != m_reading || !m_history)
        return;
    if (!version) {
        m_note->setText(tr("This version could not be read:\n\n%1").arg(problem));
        return;
    }
    m_text->setLineWrapMode(
        hasLineLongerThan(version->text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_shown = *version;
    m_marked = m_shown.marked;
    fillText(reading, 0);
}

void HistoryPanel::fillText(int reading, qsizetype done)
{
    if (reading != m_reading)
        return; // another version was chosen, or the panel closed
    const QString& text = m_shown.text;
    QTextCursor end(m_text->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text.sliced(done, std::min(sliceChars, text.size() - done)));
    done = std::min(done + sliceChars, text.size());
    if (done < text.size())
        QMetaObject::invokeMethod(
            this, [this, reading, done] { fillText(reading, done); }, Qt::QueuedConnection);
    else
        markLines(reading, {});
}

void HistoryPanel::markLines(int reading, QList<QTextEdit::ExtraSelection> marks)
{
    if (reading != m_reading)
        return;
    QColor marking = palette().color(QPalette::Highlight);
    marking.setAlpha(60);
    // Marks already set are passed over when the list is set again: each turn costs its own marks.
    const qsizetype wanted = std::min<qsizetype>(m_marked.size(), mostMarks);
    for (const int line : m_marked.sliced(marks.size(), std::min(sliceMarks, wanted - marks.size()))) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text->document()->findBlockByNumber(line));
        mark.format.setBackground(marking);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
    }
    m_text->setExtraSelections(marks);
    if (marks.size() < wanted) {
        QMetaObject::invokeMethod(
            this, [this, reading, marks] { markLines(reading, marks); }, Qt::QueuedConnection);
        return;
    }
    m_note->setText(m_marked.isEmpty() ? tr("Every line of this version is in the page as it is now.")
                                       : tr("Marked lines are not in the page as it is now."));
    m_restore->setEnabled(true);
    m_copy->setEnabled(true);
}

void HistoryPanel::restore()
{
    if (m_restore->isEnabled())
        Q_EMIT restoreRequested(m_tabIndex, m_text->toPlainText());
}

void HistoryPanel::close()
{
    hide();
    m_text->clear();
    m_reading = 0; // what is still being read is not shown
}

} // namespace tabwise
