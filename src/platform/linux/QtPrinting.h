#pragma once

#include "platform/Printing.h"

namespace tabwise {

// Qt's printer dialog, and the printers of the desktop's CUPS server.
class QtPrinting : public Printing {
public:
    bool showPrinterDialog(QWidget* owner, QPrinter& printer) override;
    QString send(const QPrinter& printer, const QString& document) override;
};

} // namespace tabwise
