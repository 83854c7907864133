#include "ui/PrintDocument.h"

#include "core/AtomicFile.h"
#include "platform/Platform.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace tabwise {

namespace {

// Why a file the printer was to write could not be written, found by writing one like it beside
// it without changing it: the printer itself says only that it failed, or not even that.
QString fileWriteError(const QString& path)
{
    const QString reason = writeFailureReason(path, 64 * 1024);
    return reason.isEmpty() ? QStringLiteral("The printer did not accept the document.") : reason;
}

// A document printed to a file was written to its end: a full disk cuts it short without a word.
bool wholeFileWritten(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return true;
    QFile file(printer.outputFileName());
    return file.open(QIODevice::ReadOnly) && file.seek(std::max<qint64>(0, file.size() - 8))
        && file.readAll().contains("%%EOF");
}

QString printerError(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return QStringLiteral("No file was chosen to print to.");
        return QStringLiteral("The file could not be written:\n\n%1\n\n%2")
            .arg(QDir::toNativeSeparators(file), fileWriteError(file));
    }
    if (printer.printerName().isEmpty())
        return QStringLiteral("No printer is installed.");
    return QStringLiteral("The printer \"%1\" is not available.").arg(printer.printerName());
}

} // namespace

PrintResult printDocument(QPrinter& printer, const QStringList& lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return { false, printerError(printer) };

    // Laid out at the printer's resolution, one page of the document per page of paper.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(painter.font());
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0);
    const QSizeF pageSize = printer.pageRect(QPrinter::DevicePixel).size();
    document.setPageSize(pageSize);
    document.setPlainText(lines.join(u'\n'));

    // Each line goes onto the page it is on; the layout has already moved a line that would
    // cross the bottom of a page to the top of the next one. Drawing line by line, rather than
    // everything clipped to the page, keeps a line next to a page break out of the other page.
    const int pageCount = document.pageCount();
    const int first = std::max(1, printer.fromPage());
    const int last = printer.toPage() > 0 ? std::min(pageCount, printer.toPage()) : pageCount;
    int currentPage = first;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // Its middle, not its top: a line moved to a new page may start a rounding error above it.
            const qreal middle = layout->position().y() + line.y() + line.height() / 2;
            const int pageNumber = int(middle / pageSize.height()) + 1;
            if (pageNumber < first || pageNumber > last)
                continue;
            for (; currentPage < pageNumber; ++currentPage) {
                if (!printer.newPage())
                    return { false, printerError(printer) };
            }
            const qreal pageTop = (pageNumber - 1) * pageSize.height();
            line.draw(&painter, layout->position() - QPointF(0, pageTop));
        }
    }
    if (!painter.end() || !wholeFileWritten(printer))
        return { false, printerError(printer) };
    return {};
}

void printWithDialog(QWidget* owner, Platform& platform, const QStringList& lines)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!platform.printing().showPrinterDialog(owner, printer))
        return;
    const PrintResult printed = printDocument(printer, lines);
    if (!printed.ok)
        platform.messages().show(owner, QStringLiteral("The page could not be printed.\n\n") + printed.error,
            msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
