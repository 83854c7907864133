// The Print labels of the five pages, and Ctrl+P for the page on the current tab.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "pages/PrintDocument.h"
#include "pages/PrintedLines.h"
#include "platform/Platform.h"
#include "shell/CommandLabel.h"
#include "shell/TabControl.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrinter>

namespace tabwise {

namespace {
QString printFailureText(const QString& reason)
{
    return QStringLiteral("The page could not be printed.\n\n") + reason;
}
} // namespace

void Form1::lblprintnotes_Click()
{
    printTextPage(txtNotes);
}

void Form1::lblprintphone_Click()
{
    printTextPage(txtPhone);
}

void Form1::lblprintemail_Click()
{
    printListPage(List1);
}

void Form1::lblprintwebsites_Click()
{
    printListPage(List2);
}

void Form1::lblprintother_Click()
{
    printTextPage(txtOther);
}

void Form1::printShortcut_Activated()
{
    // Only while the pages are on view: not over the options or the About panel.
    if (frameoptions->isVisible() || frameAbout->isVisible())
        return;
    CommandLabel* print = page(SSTab1->Tab()).print;
    if (print->isVisible())
        print->click();
}

void Form1::printTextPage(const QPlainTextEdit* box)
{
    // 1. The printer dialog; Cancel prints nothing.
    QPrinter printer(QPrinter::HighResolution);
    if (!m_platform.printing().showPrinterDialog(this, printer))
        return;
    // 2. The text as it stands in the box, saved or not, then a line end. 3. End the document.
    const PrintResult printed = printDocument(printer, textPageLines(box->toPlainText()));
    if (!printed.ok)
        showError(printFailureText(printed.error));
}

void Form1::printListPage(const ListBox* list)
{
    // 1. The printer dialog; Cancel prints nothing.
    QPrinter printer(QPrinter::HighResolution);
    if (!m_platform.printing().showPrinterDialog(this, printer))
        return;
    // 2. Every entry in list order, each followed by a line end. 3. End the document.
    QStringList entries;
    const qsizetype count = list->ListCount();
    entries.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        entries << list->List(i);
    const PrintResult printed = printDocument(printer, listPageLines(entries));
    if (!printed.ok)
        showError(printFailureText(printed.error));
}

} // namespace tabwise
