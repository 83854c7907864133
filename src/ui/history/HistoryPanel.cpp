#include "ui/history/HistoryPanel.h"

#include "core/page/LongLines.h"
#include "core/page/TextEncoding.h"

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

// Line ends of every kind as "\n", so that a version and the page compare line by line.
QString withPlainLineEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar end : { QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator) })
        text.replace(end, QLatin1Char('\n'));
    return text;
}

// The text's lines, each with its line end, for comparing: a box's text has no final line end
// where its file has one.
QByteArray endedLines(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    return bytes;
}

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
    : OverlayPanel(QStringLiteral("History"), parent)
    , m_list(new QTreeWidget)
    , m_note(new QLabel)
    , m_text(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("historyPanel"));

    m_list->setObjectName(QStringLiteral("versionList"));
    m_list->setHeaderLabels({ QStringLiteral("Date and time"), QStringLiteral("Cause"), QStringLiteral("Size"),
        QStringLiteral("Changes") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    // The cause takes what the time, the size and the changes leave (its tooltip holds it whole).
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setAccessibleName(QStringLiteral("Versions"));
    m_note->setObjectName(QStringLiteral("historyNote"));
    m_note->setWordWrap(true);
    m_text->setObjectName(QStringLiteral("versionText"));
    m_text->setReadOnly(true);
    m_text->setAccessibleName(QStringLiteral("Text of the selected version"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_list, 2);
    column->addWidget(m_note);
    column->addWidget(m_text, 3);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    m_restore = addButton(buttons, QStringLiteral("&Restore"), "restoreButton");
    m_copy = addButton(buttons, QStringLiteral("&Copy"), "copyButton");
    buttons->addStretch();
    QPushButton* closeButton = addButton(buttons, QStringLiteral("Close"), "closeButton");

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
    HistoryStore& store, int tabIndex, const QString& fileName, const QString& caption, const QString& currentText)
{
    m_store = &store;
    m_tabIndex = tabIndex;
    m_current = withPlainLineEnds(currentText);
    setTitle(QStringLiteral("History of %1").arg(caption));
    const std::optional<QList<HistoryVersion>> versions = store.versions(fileName);
    fillList(versions.value_or(QList<HistoryVersion> {}));
    if (!versions)
        m_note->setText(QStringLiteral("The history could not be read:\n\n") + store.problem());
    else if (versions->isEmpty())
        m_note->setText(QStringLiteral("No version of this page has been kept yet."));
    show();
    m_list->setFocus();
}

void HistoryPanel::fillList(const QList<HistoryVersion>& versions)
{
    m_versions = versions;
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    const QLocale locale;
    for (const HistoryVersion& version : versions) {
        auto* row = new QTreeWidgetItem({ locale.toString(version.time.toLocalTime(), QLocale::ShortFormat),
            version.cause, locale.formattedDataSize(version.size, 1, QLocale::DataSizeTraditionalFormat),
            version.changes ? lineChangesText(*version.changes) : QString() });
        row->setToolTip(1, version.cause);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    if (!rows.isEmpty())
        m_list->setCurrentItem(rows.first());
    showSelected();
}

void HistoryPanel::showSelected()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    m_text->clear();
    m_marked.clear();
    m_restore->setEnabled(false);
    m_copy->setEnabled(false);
    if (row < 0 || !m_store)
        return;
    const std::optional<QByteArray> bytes = m_store->read(m_versions.at(row));
    if (!bytes) {
        m_note->setText(QStringLiteral("This version could not be read:\n\n") + m_store->problem());
        return;
    }
    const QString text = withPlainLineEnds(decodePageBytes(*bytes));
    m_text->setLineWrapMode(
        hasLineLongerThan(text, longestWrappedLine) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(text);
    markDifferences();
    m_restore->setEnabled(true);
    m_copy->setEnabled(true);
}

void HistoryPanel::markDifferences()
{
    m_marked = linesNotIn(endedLines(m_text->toPlainText()), endedLines(m_current));
    QColor marking = palette().color(QPalette::Highlight);
    marking.setAlpha(60);
    QList<QTextEdit::ExtraSelection> marks;
    for (const int line : m_marked.first(std::min<qsizetype>(m_marked.size(), mostMarks))) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text->document()->findBlockByNumber(line));
        mark.format.setBackground(marking);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
    }
    m_text->setExtraSelections(marks);
    m_note->setText(m_marked.isEmpty() ? QStringLiteral("Every line of this version is in the page as it is now.")
                                       : QStringLiteral("Marked lines are not in the page as it is now."));
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
    m_store = nullptr;
}

} // namespace tabwise
