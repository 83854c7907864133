#include "FakePlatform.h"

#include <QPrinter>

namespace tabwise {

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messagesShown)
        texts << m.prompt;
    return texts;
}

int FakePlatform::show(QWidget*, const QString& prompt, int style, const QString& title)
{
    messagesShown.append({ prompt, style, title });
    if (!answers.isEmpty())
        return answers.takeFirst();
    const int buttons = style & 0x7;
    return buttons == msgbox::YesNo || buttons == msgbox::YesNoCancel ? msgbox::Yes : msgbox::Ok;
}

int FakePlatform::choose(QWidget*, const QString& prompt, const QStringList& buttons, int defaultButton)
{
    messagesShown.append({ prompt, -1, buttons.join(u'|') });
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

bool FakePlatform::notify(int command, const TrayIconRecord& record, QWidget*)
{
    trayCalls.append({ command, record });
    return trayPresent;
}

int FakePlatform::trayCount(int command) const
{
    return int(std::count_if(
        trayCalls.begin(), trayCalls.end(), [command](const TrayCall& c) { return c.command == command; }));
}

void FakePlatform::open(QWidget*, const QString& operation, const QString& target, int showCommand)
{
    opened.append({ operation, target, showCommand });
}

FileWrite FakePlatform::add(const QString& executablePath)
{
    autostartCalls << true;
    if (!autostartWritable)
        return { false, "autostart entry\n\nPermission denied" };
    autostartEntry = executablePath;
    return {};
}

FileWrite FakePlatform::remove()
{
    autostartCalls << false;
    if (!autostartWritable)
        return { false, "autostart entry\n\nPermission denied" };
    autostartEntry.clear();
    return {};
}

bool FakePlatform::showPrinterDialog(QWidget*, QPrinter& printer)
{
    ++printerDialogs;
    // Never a real printer: the PDF file the test names, or no output at all when it names none.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
    return printerDialogAccepts;
}

void FakePlatform::take(const QKeySequence& keys)
{
    keysTaken << keys;
    if (keysHeldElsewhere.contains(keys))
        onRefused("another program holds it");
}

} // namespace tabwise
