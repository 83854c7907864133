#include "platform/linux/QtPrinting.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace tabwise {

namespace {

// The property in which Qt's printer dialog leaves the CUPS options chosen in it (pages to print,
// pages per sheet, banners, ...), as pairs of name and value.
constexpr auto cupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The job options for what the dialog set on the printer, as Qt's own CUPS printing gives them.
int jobOptions(const QPrinter& printer, cups_option_t** options)
{
    int count = 0;
    const auto add = [&](const char* name, const QByteArray& value) {
        count = cupsAddOption(name, value.constData(), count, options);
    };
    add("media", printer.pageLayout().pageSize().key().toUtf8());
    if (printer.copyCount() > 1) {
        add("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            add("Collate", "True");
    }
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    switch (printer.duplex()) {
    case QPrinter::DuplexNone: add("sides", "one-sided"); break;
    case QPrinter::DuplexAuto: add("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge"); break;
    case QPrinter::DuplexLongSide: add("sides", "two-sided-long-edge"); break;
    case QPrinter::DuplexShortSide: add("sides", "two-sided-short-edge"); break;
    }
    if (landscape)
        add("landscape", "");
    const QStringList chosen = printer.printEngine()->property(cupsOptionsProperty).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        add(chosen[i].toUtf8().constData(), chosen[i + 1].toUtf8());
    return count;
}

} // namespace

bool QtPrinting::showPrinterDialog(QWidget* owner, QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrinting::send(const QPrinter& printer, const QString& document)
{
    // The queue's own name, without an instance ("queue/instance" names saved settings).
    const QByteArray queue = printer.printerName().section(u'/', 0, 0).toLocal8Bit();
    cups_option_t* options = nullptr;
    const int count = jobOptions(printer, &options);
    const int job = cupsPrintFile(queue.constData(), QFile::encodeName(document).constData(),
        printer.docName().toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job > 0)
        return {};
    //: %2 is the printing system's own reason
    return QCoreApplication::translate("Printing", "The printer \"%1\" did not take the document:\n\n%2")
        .arg(printer.printerName(), QString::fromUtf8(cupsLastErrorString()));
}

} // namespace tabwise
