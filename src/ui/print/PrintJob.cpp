#include "ui/print/PrintJob.h"

#include "ui/print/PrintSpool.h"

#include <QPrinter>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace tabwise {

namespace {
// How long one slice may hold the event loop.
constexpr int sliceMilliseconds = 12;
} // namespace

PrintJob::PrintJob(QPrinter& printer, const QStringList& lines, QObject* parent)
    : QObject(parent)
    , m_printer(printer)
    , m_lines(lines)
{
}

PrintJob::~PrintJob()
{
    if (m_running)
        m_painter.end();
}

int PrintJob::percentDone() const
{
    return m_lines.isEmpty() ? 100 : int(qint64(m_next) * 100 / m_lines.size());
}

bool PrintJob::begin()
{
    m_running = true;
    if (!m_painter.begin(&m_printer)) {
        m_running = false;
        finish({ false, false, printerError(m_printer) });
        return false;
    }
    // Laid out at the printer's resolution, in its default font.
    m_font = QFont(m_painter.font(), &m_printer);
    m_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QSizeF pageSize = m_printer.pageRect(QPrinter::DevicePixel).size();
    m_pageWidth = pageSize.width();
    m_pageHeight = pageSize.height();
    m_firstPage = std::max(1, m_printer.fromPage());
    m_lastPage = std::max(0, m_printer.toPage());
    m_printerPage = m_firstPage;
    return true;
}

void PrintJob::start()
{
    if (!m_running && begin())
        runSlice();
}

PrintResult PrintJob::runToEnd()
{
    PrintResult result;
    connect(this, &PrintJob::finished, this, [&result](const PrintResult& r) { result = r; });
    if (!m_running && !begin())
        return result;
    while (m_running)
        runSlice();
    return result;
}

void PrintJob::cancel()
{
    if (m_running)
        finish({ false, true, {} });
}

void PrintJob::runSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (!allDrawn() && slice.elapsed() < sliceMilliseconds) {
        if (!printLine(m_lines[m_next]))
            return finish({ false, false, printerError(m_printer) });
        ++m_next;
    }
    if (allDrawn())
        return finish({});
    Q_EMIT progressed(percentDone(), m_page);
    QTimer::singleShot(0, this, [this] {
        if (m_running)
            runSlice();
    });
}

bool PrintJob::allDrawn() const
{
    return m_next >= m_lines.size() || (m_lastPage > 0 && m_page > m_lastPage);
}

bool PrintJob::printLine(const QString& text)
{
    QTextLayout layout(text, m_font, &m_printer);
    layout.setTextOption(m_option);
    layout.beginLayout();
    QList<int> pages;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_pageWidth);
        // A line that does not fit below the others starts the next page.
        if (m_y > 0 && m_y + line.height() > m_pageHeight) {
            ++m_page;
            m_y = 0;
        }
        line.setPosition(QPointF(0, m_y));
        m_y += line.height();
        pages << m_page;
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        if (!drawOnPage(layout, i, pages[i]))
            return false;
    }
    return true;
}

bool PrintJob::drawOnPage(const QTextLayout& layout, int lineIndex, int page)
{
    if (page < m_firstPage || (m_lastPage > 0 && page > m_lastPage))
        return true;
    for (; m_printerPage < page; ++m_printerPage) {
        if (!m_printer.newPage())
            return false;
    }
    layout.lineAt(lineIndex).draw(&m_painter, QPointF(0, 0));
    return true;
}

void PrintJob::finish(PrintResult result)
{
    if (m_running) {
        m_running = false;
        if (!m_painter.end() && result.ok)
            result = { false, false, printerError(m_printer) };
    }
    Q_EMIT finished(result);
}

} // namespace tabwise
