#pragma once

#include "platform/Platform.h"
#include "core/TrayMessages.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace tabwise {

// A platform that records every call and answers dialogs from queues, so that a test can build a
// complete main window and never opens a dialog, a browser, a printer or the real tray.
class FakePlatform : public Platform,
                     MessageBoxes,
                     NotifyIcon,
                     OpenTarget,
                     HelpViewer,
                     Autostart,
                     WindowZOrder,
                     Printing,
                     Volumes {
public:
    struct Message {
        QString prompt;
        int style;
        QString title;
    };
    struct TrayCall {
        int command;
        TrayIconRecord record;
    };
    struct Opened {
        QString operation;
        QString target;
        int showCommand;
    };
    struct Topmost {
        bool topmost;
        QPoint topLeft;
    };

    // Message boxes: answers are taken from the front; an empty queue answers the first button.
    QList<int> answers;
    QList<Message> messagesShown;
    QStringList messageTexts() const;

    // Notification area.
    bool trayPresent = true;
    QList<TrayCall> trayCalls;
    int trayAdds() const;
    int trayDeletes() const;
    void sendMouseMessage(int message) const;

    QList<Opened> opened;
    QStringList helpOpened;

    bool autostartWritable = true;
    QString autostartEntry; // the registered executable; empty when none
    QList<bool> autostartCalls; // true add, false remove

    QList<Topmost> topmostCalls;

    // Printer dialog: whether the user presses Print, and the PDF file the printer writes to (none:
    // printing fails as it does without a printer).
    bool printerDialogAccepts = true;
    QString printToFile;
    int printerDialogs = 0;

    // Drive list: the volumes offered (by default the root file system alone) and the root paths of
    // those that are not ready.
    QList<Volume> volumeList{{Volume::Kind::Root, QStringLiteral("/"), QStringLiteral("/")}};
    QStringList volumesNotReady;

    MessageBoxes& messages() override { return *this; }
    NotifyIcon& notifyIcon() override { return *this; }
    OpenTarget& openTarget() override { return *this; }
    HelpViewer& helpViewer() override { return *this; }
    Autostart& autostart() override { return *this; }
    WindowZOrder& zOrder() override { return *this; }
    Printing& printing() override { return *this; }
    Volumes& volumes() override { return *this; }

private:
    int show(QWidget* owner, const QString& prompt, int style, const QString& title) override;
    int choose(QWidget* owner, const QString& prompt, const QStringList& buttons, int defaultButton) override;
    bool notify(int command, const TrayIconRecord& record, QWidget* owner) override;
    bool available() const override { return trayPresent; }
    void open(QWidget* owner, const QString& operation, const QString& target, int showCommand) override;
    void showHelp(QWidget* owner, const QString& helpFilePath) override;
    FileWrite add(const QString& executablePath) override;
    FileWrite remove() override;
    void setTopmost(QWidget* window, bool topmost, QPoint topLeft) override;
    bool showPrinterDialog(QWidget* owner, QPrinter& printer) override;
    QList<Volume> mountedVolumes() const override { return volumeList; }
    bool isReady(const Volume& volume) const override { return !volumesNotReady.contains(volume.rootPath); }
};

} // namespace tabwise
