#pragma once

class QPrinter;
class QWidget;

namespace tabwise {

// The printer dialog. Returns true when the user chose to print, with the printer set up.
class Printing {
public:
    virtual ~Printing() = default;
    virtual bool showPrinterDialog(QWidget* owner, QPrinter& printer) = 0;
};

} // namespace tabwise
