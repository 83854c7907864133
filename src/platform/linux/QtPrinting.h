#pragma once

#include "platform/Printing.h"

namespace tabwise {

class QtPrinting : public Printing {
public:
    bool showPrinterDialog(QWidget* owner, QPrinter& printer) override;
};

} // namespace tabwise
