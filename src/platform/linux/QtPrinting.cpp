#include "platform/linux/QtPrinting.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace tabwise {

namespace {

// libcups is not linked: with what it brings (GnuTLS, Avahi, Kerberos) it would weigh on every start,
// while it is needed only once something is printed, when Qt's printer support has loaded it already.
struct Cups {
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsPrintFile) printFile = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    QString error; // why it cannot be used; empty when it can

    Cups()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        addOption = reinterpret_cast<decltype(addOption)>(library.resolve("cupsAddOption"));
        freeOptions = reinterpret_cast<decltype(freeOptions)>(library.resolve("cupsFreeOptions"));
        printFile = reinterpret_cast<decltype(printFile)>(library.resolve("cupsPrintFile"));
        lastErrorString = reinterpret_cast<decltype(lastErrorString)>(library.resolve("cupsLastErrorString"));
        if (!addOption || !freeOptions || !printFile || !lastErrorString)
            error = library.errorString();
    }
};

// Loaded with the first print, and kept for the run.
const Cups& cups()
{
    static const Cups loaded;
    return loaded;
}

// The property in which Qt's printer dialog leaves the CUPS options chosen in it (pages to print,
// pages per sheet, banners, ...), as pairs of name and value.
constexpr auto cupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The job options for what the dialog set on the printer, as Qt's own CUPS printing gives them.
int jobOptions(const QPrinter& printer, cups_option_t** options)
{
    int count = 0;
    const auto add = [&](const char* name, const QByteArray& value) {
        count = cups().addOption(name, value.constData(), count, options);
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
    if (!cups().error.isEmpty())
        //: %1 is the system's reason
        return QCoreApplication::translate(
            "Printing", "The document cannot be printed: the CUPS library cannot be loaded (%1).")
            .arg(cups().error);
    // The queue's own name, without an instance ("queue/instance" names saved settings).
    const QByteArray queue = printer.printerName().section(u'/', 0, 0).toLocal8Bit();
    cups_option_t* options = nullptr;
    const int count = jobOptions(printer, &options);
    const int job = cups().printFile(queue.constData(), QFile::encodeName(document).constData(),
        printer.docName().toUtf8().constData(), count, options);
    cups().freeOptions(count, options);
    if (job > 0)
        return {};
    //: %2 is the printing system's own reason
    return QCoreApplication::translate("Printing", "The printer \"%1\" did not take the document:\n\n%2")
        .arg(printer.printerName(), QString::fromUtf8(cups().lastErrorString()));
}

} // namespace tabwise
