#include "FakePlatform.h"

#include <QPrinter>
#include <QUrl>

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
    const int buttons = style & 0x7;
    if (answers.isEmpty()) // Enter
        return buttons != msgbox::YesNo && buttons != msgbox::YesNoCancel ? msgbox::Ok
            : style & msgbox::DefaultButton2                              ? msgbox::No
                                                                          : msgbox::Yes;
    const int answer = answers.takeFirst();
    if (answer != Dismissed)
        return answer;
    return buttons == msgbox::YesNo ? msgbox::No : buttons == msgbox::YesNoCancel ? msgbox::Cancel : msgbox::Ok;
}

int FakePlatform::choose(QWidget*, const Question& question)
{
    messagesShown.append({ question.prompt, -1, question.buttons.join(u'|') });
    const int answer = answers.isEmpty() ? question.defaultButton : answers.takeFirst();
    return answer == Dismissed ? question.dismissButton : answer;
}

bool FakePlatform::addIcon(QWidget*, const QString& tip, QMenu* menu)
{
    ++trayAdds;
    trayTip = tip;
    trayMenu = menu;
    return trayPresent;
}

void FakePlatform::removeIcon()
{
    ++trayRemoves;
    trayTip.clear();
    trayMenu = nullptr;
}

void FakePlatform::setTrayPresent(bool present)
{
    trayPresent = present;
    onAvailabilityChanged(present);
}

bool FakePlatform::open(const QUrl& url)
{
    opened << url.toString();
    return openerStarts;
}

FileWrite FakePlatform::add()
{
    autostartCalls << true;
    if (!autostartWritable)
        return { false, "autostart entry\n\nPermission denied" };
    return {};
}

FileWrite FakePlatform::remove()
{
    autostartCalls << false;
    if (!autostartWritable)
        return { false, "autostart entry\n\nPermission denied" };
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
