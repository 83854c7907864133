#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace tabwise {

// The printer dialog, and the printer it sets up.
class Printing {
public:
    virtual ~Printing() = default;
    // Returns true when the user chose to print, with the printer set up.
    virtual bool showPrinterDialog(QWidget* owner, QPrinter& printer) = 0;
    // Hands a complete document, which the printer set up by the dialog wrote to the file
    // `document`, to that printer with the settings chosen in the dialog. Returns why it could not,
    // empty on success.
    virtual QString send(const QPrinter& printer, const QString& document) = 0;
};

} // namespace tabwise
