#include "platform/linux/QtPrinting.h"

#include <QPrintDialog>

namespace tabwise {

bool QtPrinting::showPrinterDialog(QWidget* owner, QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tabwise
