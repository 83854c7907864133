#include "ui/page/SpellingMarks.h"

#include "core/spelling/SpellingEngine.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <functional>

namespace tabwise {

namespace {

// Lines looked at above and below those in view, so that a little scrolling finds them marked.
constexpr int linesAround = 3;

// Draws what it is given over its parent's viewport; clicks and the mouse pass through to it.
class MarkLayer : public QWidget {
public:
    MarkLayer(QWidget* parent, std::function<void(QPainter&, const QRect&)> paint)
        : QWidget(parent)
        , m_paint(std::move(paint))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        m_paint(painter, event->rect());
    }

private:
    std::function<void(QPainter&, const QRect&)> m_paint;
};

// The wavy underline from LEFT to RIGHT along Y, as the desktop draws a misspelled word's.
void drawWave(QPainter& painter, int left, int right, int y)
{
    QPolygon wave;
    for (int x = left, up = 0; x <= right; x += 2, up ^= 1)
        wave << QPoint(x, y - up);
    painter.drawPolyline(wave);
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
    , m_layer(new MarkLayer(box, [this](QPainter& painter, const QRect& area) { paintMarks(painter, area); }))
{
    m_layer->setGeometry(box->viewport()->geometry());
    m_layer->show(); // made after the box may have been shown
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
    m_marks.clear();
    m_layer->update();
}

std::optional<TextRange> SpellingMarks::markedWordAt(qsizetype position) const
{
    // The marks as they stand now: typing since they were made has moved them along.
    for (const QTextCursor& mark : m_marks) {
        const qsizetype start = mark.selectionStart();
        const qsizetype end = mark.selectionEnd();
        if (start < end && position >= start && position <= end)
            return TextRange { start, end - start };
    }
    return std::nullopt;
}

bool SpellingMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        m_layer->setGeometry(m_box->viewport()->geometry());
        m_layer->raise();
        scheduleUpdate();
    }
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
    QList<QTextCursor> marks;
    QList<TextRange> marked;
    for (const Piece& piece : pieces) {
        const std::optional<QList<TextRange>> words = m_engine.misspelled(piece.text);
        if (!words) {
            unknown << piece.text;
            continue;
        }
        for (const TextRange& word : *words) {
            QTextCursor mark(m_box->document());
            mark.setPosition(int(piece.position + word.start));
            mark.setPosition(int(piece.position + word.end()), QTextCursor::KeepAnchor);
            marks << mark;
            marked << TextRange { piece.position + word.start, word.length };
        }
    }
    if (marked != m_marked) {
        m_marked = marked;
        m_marks = marks;
        m_layer->update();
    }
    if (!unknown.isEmpty())
        m_engine.request(unknown);
}

void SpellingMarks::paintMarks(QPainter& painter, const QRect& area) const
{
    // Below the words' baseline, in AREA; a word broken over two lines is underlined on its first.
    const QRect view = m_layer->rect();
    const int below = m_box->fontMetrics().ascent() + 2;
    painter.setPen(QPen(Qt::red, 1));
    for (const QTextCursor& mark : m_marks) {
        if (mark.selectionStart() == mark.selectionEnd())
            continue; // typed over
        QTextCursor start = mark;
        start.setPosition(mark.selectionStart());
        const QRect from = m_box->cursorRect(start);
        if (from.bottom() + 4 < area.top() || from.top() > area.bottom())
            continue;
        QTextCursor end = mark;
        end.setPosition(mark.selectionEnd());
        const QRect to = m_box->cursorRect(end);
        const bool oneLine = from.top() == to.top();
        const int left = oneLine ? std::min(from.left(), to.left()) : from.left();
        const int right = oneLine ? std::max(from.left(), to.left()) : view.right();
        drawWave(painter, left, right, from.top() + below);
    }
}

} // namespace tabwise
