#include "ui/print/PagePrinter.h"

#include "platform/Platform.h"
#include "ui/common/Measures.h"
#include "ui/common/NoteBar.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrintSpool.h"

#include <QPrinter>
#include <QPushButton>

namespace tabwise {

PagePrinter::PagePrinter(QWidget* page, Platform& platform)
    : QObject(page)
    , m_page(page)
    , m_platform(platform)
{
}

// A document still printing when the page goes (the program ends) is cancelled: nothing is sent.
PagePrinter::~PagePrinter()
{
    delete m_job;
}

void PagePrinter::print(const QString& name, const QStringList& lines)
{
    if (m_job) {
        showProgress(m_job->percentDone(), m_job->page());
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(name);
    if (!m_platform.printing().showPrinterDialog(m_page, *printer))
        return;
    auto spool = std::make_unique<PrintSpool>(*printer);
    if (!spool->error().isEmpty()) {
        m_platform.messages().show(
            m_page, tr("The page could not be printed.\n\n%1").arg(spool->error()), msgbox::OkOnly | msgbox::Critical);
        return;
    }
    m_name = name;
    m_printer = std::move(printer);
    m_spool = std::move(spool);
    m_job = new PrintJob(*m_printer, lines, this);
    connect(m_job, &PrintJob::progressed, this, &PagePrinter::showProgress);
    connect(m_job, &PrintJob::finished, this, &PagePrinter::finish);
    m_job->start();
}

void PagePrinter::cancel()
{
    if (m_job)
        m_job->cancel();
}

void PagePrinter::showProgress(int percent, int page)
{
    if (!m_note) {
        m_note = new NoteBar(m_page);
        m_note->setObjectName(QStringLiteral("printNote"));
        //: Stops the printing of a page
        QPushButton* cancelButton = m_note->addButton(tr("Cancel"));
        cancelButton->setObjectName(QStringLiteral("cancelPrintButton"));
        cancelButton->setAccessibleName(tr("Cancel printing"));
        connect(cancelButton, &QPushButton::clicked, this, &PagePrinter::cancel);
    }
    m_note->resize(px(measure::pageTextWidth), m_note->height());
    //: %1 is the page's name, %2 how many per cent are done, %3 the number of the sheet being printed
    m_note->showNote(
        tr("Printing %1: %2 % done, page %3.").arg(m_name, QString::number(percent), QString::number(page)));
    // At the foot of the text, above the commands.
    m_note->setGeometry(mirrored(m_page, px(measure::pageWidth),
        QRect(0, px(measure::pageTextHeight) - m_note->height(), m_note->width(), m_note->height())));
}

void PagePrinter::finish(const PrintResult& result)
{
    QString error = result.error;
    if (result.ok)
        error = m_spool->deliver(m_platform.printing());
    m_job->deleteLater();
    m_job = nullptr;
    m_spool.reset(); // a document not delivered goes with it
    m_printer.reset();
    if (m_note)
        m_note->hide();
    if (!error.isEmpty())
        m_platform.messages().show(
            m_page, tr("The page could not be printed.\n\n%1").arg(error), msgbox::OkOnly | msgbox::Critical);
    Q_EMIT finished();
}

} // namespace tabwise
