#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Puts lines of plain text on a printer as one document, in the printer's default font, with no
// heading and no page numbers. A line too long for the page wraps at the right margin (between
// words where it can, anywhere in a word that is wider than the page) and the text runs on over as
// many pages as it needs, so nothing is cut off.
namespace tabwise {

class Platform;

struct PrintResult {
    bool ok = true;
    QString error; // why nothing (or not everything) reached the printer
};

// Prints every page of the document, or the range of pages chosen in the printer dialog.
PrintResult printDocument(QPrinter& printer, const QStringList& lines);

// The printer dialog, then the lines on the printer it sets up; Cancel prints nothing, a failure is
// reported to the user.
void printWithDialog(QWidget* owner, Platform& platform, const QStringList& lines);

} // namespace tabwise
