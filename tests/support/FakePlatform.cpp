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
    messagesShown.append({prompt, style, title});
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (style & 0x7) {
    case msgbox::YesNo:
    case msgbox::YesNoCancel: return msgbox::Yes;
    default: return msgbox::Ok;
    }
}

int FakePlatform::choose(QWidget*, const QString& prompt, const QStringList& buttons, int defaultButton)
{
    messagesShown.append({prompt, -1, buttons.join(u'|')});
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

bool FakePlatform::notify(int command, const TrayIconRecord& record, QWidget*)
{
    trayCalls.append({command, record});
    return trayPresent;
}

int FakePlatform::trayAdds() const
{
    return int(std::count_if(trayCalls.begin(), trayCalls.end(), [](const TrayCall& c) { return c.command == Add; }));
}

int FakePlatform::trayDeletes() const
{
    return int(std::count_if(trayCalls.begin(), trayCalls.end(), [](const TrayCall& c) { return c.command == Delete; }));
}

void FakePlatform::sendMouseMessage(int message) const
{
    if (onMouseMessage)
        onMouseMessage(message);
}

void FakePlatform::open(QWidget*, const QString& operation, const QString& target, int showCommand)
{
    opened.append({operation, target, showCommand});
}

void FakePlatform::showHelp(QWidget*, const QString& helpFilePath) { helpOpened << helpFilePath; }

FileWrite FakePlatform::add(const QString& executablePath)
{
    autostartCalls << true;
    if (!autostartWritable)
        return {false, QStringLiteral("autostart entry\n\nPermission denied")};
    autostartEntry = executablePath;
    return {};
}

FileWrite FakePlatform::remove()
{
    autostartCalls << false;
    if (!autostartWritable)
        return {false, QStringLiteral("autostart entry\n\nPermission denied")};
    autostartEntry.clear();
    return {};
}

void FakePlatform::setTopmost(QWidget*, bool topmost, QPoint topLeft) { topmostCalls.append({topmost, topLeft}); }

bool FakePlatform::showPrinterDialog(QWidget*, QPrinter& printer)
{
    ++printerDialogs;
    // Never a real printer: the PDF file the test names, or no output at all when it names none.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
    return printerDialogAccepts;
}

} // namespace tabwise
