#include "ui/page/SpellingMarks.h"

#include "core/spelling/SpellingEngine.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace tabwise {

namespace {

// Lines looked at above and below those in view, so that a little scrolling finds them marked.
constexpr int linesAround = 3;

QTextCharFormat misspelledFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

// A stretch of the box's text that is looked at: a line, or the part in view of a long one.
struct Piece {
    qsizetype position; // in the box's text
    QString text;
};

} // namespace

SpellingMarks::SpellingMarks(QPlainTextEdit* box, SpellingEngine& engine)
    : QObject(box)
    , m_box(box)
    , m_engine(engine)
{
    m_update.setSingleShot(true);
    m_update.setInterval(30);
    connect(&m_update, &QTimer::timeout, this, &SpellingMarks::update);
    connect(box->document(), &QTextDocument::contentsChanged, this, &SpellingMarks::scheduleUpdate);
    connect(box->verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellingMarks::scheduleUpdate);
    connect(box->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SpellingMarks::scheduleUpdate);
    connect(&engine, &SpellingEngine::checked, this, &SpellingMarks::scheduleUpdate);
    connect(&engine, &SpellingEngine::resultsChanged, this, &SpellingMarks::scheduleUpdate);
    box->viewport()->installEventFilter(this);
}

void SpellingMarks::setActive(bool active)
{
    m_active = active;
    if (active) {
        scheduleUpdate();
        return;
    }
    m_update.stop();
    m_marked.clear();
    m_box->setExtraSelections({});
}

std::optional<TextRange> SpellingMarks::markedWordAt(qsizetype position) const
{
    // The marks as they stand now: typing since they were made has moved them along.
    for (const QTextEdit::ExtraSelection& mark : m_box->extraSelections()) {
        const qsizetype start = mark.cursor.selectionStart();
        const qsizetype end = mark.cursor.selectionEnd();
        if (mark.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline && start < end && position >= start
            && position <= end)
            return TextRange { start, end - start };
    }
    return std::nullopt;
}

bool SpellingMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        scheduleUpdate();
    return QObject::eventFilter(watched, event);
}

void SpellingMarks::scheduleUpdate()
{
    if (m_active && !m_update.isActive())
        m_update.start();
}

void SpellingMarks::update()
{
    if (!m_active || !m_box->isVisible())
        return;
    // The lines in view, from the top left to the bottom right of the box's viewport, and a few
    // around them; of a long line only the part in view.
    const QRect view = m_box->viewport()->rect();
    const QTextCursor first = m_box->cursorForPosition(view.topLeft());
    const QTextCursor last = m_box->cursorForPosition(view.bottomRight());
    QTextBlock block = first.block();
    for (int i = 0; i < linesAround && block.previous().isValid(); ++i)
        block = block.previous();
    QTextBlock end = last.block();
    for (int i = 0; i < linesAround && end.next().isValid(); ++i)
        end = end.next();
    QList<Piece> pieces;
    QStringList unknown;
    for (; block.isValid(); block = block.next()) {
        QString text = block.text();
        qsizetype position = block.position();
        if (text.size() > SpellingEngine::longestPiece) {
            const qsizetype from = block == first.block() ? first.positionInBlock() : 0;
            const qsizetype to = block == last.block() ? last.positionInBlock() : text.size();
            const TextRange slice = sliceAround(text, from, std::min(to, from + SpellingEngine::longestPiece / 2));
            text = text.mid(slice.start, slice.length);
            position += slice.start;
        }
        pieces.append({ position, text });
        if (block == end)
            break;
    }
    QList<QTextEdit::ExtraSelection> marks;
    QList<TextRange> marked;
    const QTextCharFormat format = misspelledFormat();
    for (const Piece& piece : pieces) {
        const std::optional<QList<TextRange>> words = m_engine.misspelled(piece.text);
        if (!words) {
            unknown << piece.text;
            continue;
        }
        for (const TextRange& word : *words) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_box->document());
            mark.cursor.setPosition(int(piece.position + word.start));
            mark.cursor.setPosition(int(piece.position + word.end()), QTextCursor::KeepAnchor);
            mark.format = format;
            marks << mark;
            marked << TextRange { piece.position + word.start, word.length };
        }
    }
    if (marked != m_marked) {
        m_marked = marked;
        m_box->setExtraSelections(marks);
    }
    if (!unknown.isEmpty())
        m_engine.request(unknown);
}

} // namespace tabwise
