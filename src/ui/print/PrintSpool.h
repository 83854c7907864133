#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

namespace tabwise {

class Printing;

// Why a printer set up by the dialog cannot take a document: no file chosen, a file that cannot be
// written, no printer, a printer that is gone.
QString printerError(const QPrinter& printer);

// Where a document goes while it is printed: the printer writes it to a file of its own, in the
// folder of the PDF file the user chose or in the temporary folder for a printer. Only a complete
// document is delivered (it replaces the PDF file, or the platform hands it to the printer); one
// that is cancelled or fails is removed, and nothing reaches the file or the printer.
class PrintSpool {
public:
    // Points the printer at the spool file; error() says why it could not.
    explicit PrintSpool(QPrinter& printer);
    ~PrintSpool();

    const QString& error() const { return m_error; }
    // Delivers the complete document; returns why it could not be delivered, empty on success.
    QString deliver(Printing& printing);

private:
    QPrinter& m_printer;
    QString m_target; // the PDF file chosen; empty for a printer
    std::unique_ptr<QTemporaryFile> m_file;
    QString m_error;
};

} // namespace tabwise
