#include "PrintBench.h"

#include "BenchSupport.h"
#include "WindowFixture.h"
#include "ui/print/PagePrinter.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPrinter>
#include <QProcess>
#include <QTextDocument>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using tabwise::MainWindow;
using tabwise::WindowFixture;

namespace bench {

namespace {

// Whether pdftotext finds each of the texts in the PDF file.
bool pdfHolds(const QString& pdf, const QList<QByteArray>& texts)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
    pdftotext.waitForFinished(120000);
    const QByteArray all = pdftotext.readAllStandardOutput();
    return std::all_of(texts.begin(), texts.end(), [&](const QByteArray& text) { return all.contains(text); });
}

// The longest time between two turns of the event loop while it runs until `done`.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        m_beat.setInterval(0);
        connect(&m_beat, &QTimer::timeout, this, [this] { lap(); });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_beat.start();
    }
    void lap()
    {
        const qint64 now = m_clock.nsecsElapsed();
        longest = std::max(longest, double(now - m_last) / 1e6);
        m_last = now;
    }
    double elapsed() const { return double(m_clock.nsecsElapsed()) / 1e6; }
    double longest = 0;

private:
    QTimer m_beat;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};

} // namespace

void benchPrint(int lines)
{
    WindowFixture f;
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += "Line " + QByteArray::number(i) + ": the quick brown fox jumps over the lazy dog, then writes.\r\n";
    f.writePage("phone.ntr", text);
    f.seedDesignSettings();
    QThread::msleep(120); // the page file settles, as files written long ago have
    MainWindow& w = f.load();
    w.showPage(1);
    settleWindow();

    f.platform.printToFile = f.tempPath(QStringLiteral("ours.pdf"));
    StallMeter meter;
    QEventLoop loop;
    QObject::connect(w.page(1)->printer(), &tabwise::PagePrinter::finished, &loop, &QEventLoop::quit);
    meter.start();
    w.page(1)->printButton()->click();
    if (w.page(1)->printer()->isPrinting())
        loop.exec();
    meter.lap();
    const double ours = meter.elapsed();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(f.tempPath(QStringLiteral("floor.pdf")));
    QTextDocument document(QString::fromUtf8(text));
    QElapsedTimer clock;
    clock.start();
    document.print(&printer);
    const double floor = double(clock.nsecsElapsed()) / 1e6;

    const QString name = QStringLiteral("print %1 k lines").arg(lines / 1000);
    report(name + QStringLiteral(": to the complete PDF"), ours, floor);
    report(name + QStringLiteral(": longest event-loop stall"), meter.longest, floor);
    if (!pdfHolds(f.platform.printToFile, { "Line 1:", "Line " + QByteArray::number(lines) + ":" }))
        std::printf("  ! the PDF does not hold the first and the last line\n");
}

} // namespace bench
