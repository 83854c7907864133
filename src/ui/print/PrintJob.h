#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QObject>
#include <QPainter>
#include <QStringList>
#include <QTextOption>

class QPrinter;
class QTextLayout;

namespace tabwise {

struct PrintResult {
    bool ok = true;
    bool cancelled = false;
    QString error; // why nothing (or not everything) reached the printer
};

// Puts lines of plain text on a printer as one document, in the printer's default font, with no
// heading and no page numbers, a line at a time and a slice at a time from the event loop, so the
// window keeps answering while a long page is printed. A line too long for the page wraps at the
// right margin (between words where it can, anywhere in a word that is wider than the page); a line
// that would cross the bottom of a page starts the next one. Only the pages of the range chosen in
// the printer dialog are drawn. The printer must outlive the job.
class PrintJob : public QObject {
    Q_OBJECT
public:
    PrintJob(QPrinter& printer, const QStringList& lines, QObject* parent = nullptr);
    // A job still running ends as cancelled.
    ~PrintJob() override;

    // Begins the document and prints as much as one slice allows; the rest follows from the event
    // loop. finished() comes once, possibly before start() returns.
    void start();
    // Prints everything before returning.
    PrintResult runToEnd();
    // Stops drawing; the document is closed and finished() reports it cancelled.
    void cancel();

    bool isRunning() const { return m_running; }
    int percentDone() const;
    int page() const { return m_page; }

Q_SIGNALS:
    void progressed(int percent, int page);
    void finished(const tabwise::PrintResult& result);

private:
    bool begin();
    void runSlice();
    bool allDrawn() const;
    bool printLine(const QString& text);
    bool drawOnPage(const QTextLayout& layout, int lineIndex, int page);
    void finish(PrintResult result);

    QPrinter& m_printer;
    const QStringList m_lines;
    QPainter m_painter;
    QFont m_font;
    QTextOption m_option;
    qreal m_pageWidth = 0;
    qreal m_pageHeight = 0;
    int m_firstPage = 1;
    int m_lastPage = 0; // 0: to the end
    int m_next = 0; // the next line to print
    int m_page = 1; // the page the layout has reached
    int m_printerPage = 0; // the page the printer is on, counted from the first printed; 0: none yet
    qreal m_y = 0; // where the next line starts on the page
    bool m_running = false;
};

} // namespace tabwise
