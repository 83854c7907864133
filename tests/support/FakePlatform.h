#pragma once

#include "platform/Platform.h"

#include <QPoint>
#include <QStringList>

namespace tabwise {

// A platform that records every call and answers dialogs as the test says, so that a test can build
// a complete main window that never opens a dialog, a browser, a printer or the real tray.
class FakePlatform : public Platform,
                     MessageBoxes,
                     NotifyIcon,
                     OpenTarget,
                     HelpViewer,
                     Autostart,
                     WindowZOrder,
                     Printing,
                     Volumes,
                     GlobalKey {
public:
    struct Message {
        QString prompt;
        int style;
        QString title;
    };
    struct Topmost {
        bool topmost;
        QPoint topLeft;
    };

    // Message boxes: answered from the front of the queue; when it is empty, with the default button
    // (Enter). Dismissed (Escape, or the box closed) answers as a user who pressed Escape would.
    static constexpr int Dismissed = -100;
    QList<int> answers;
    QList<Message> messagesShown;
    QStringList messageTexts() const;

    // The notification area: whether the desktop has one, the icon's tip and menu while it is added
    // (empty otherwise), how often it was added and removed; a tray that comes or goes, a click.
    bool trayPresent = true;
    QString trayTip;
    QMenu* trayMenu = nullptr;
    int trayAdds = 0;
    int trayRemoves = 0;
    void setTrayPresent(bool present);
    void activateIcon() const { onActivated(); }

    QStringList opened; // the addresses handed to the desktop
    bool openerStarts = true;
    QStringList helpOpened;

    bool autostartWritable = true;
    QList<bool> autostartCalls; // true add, false remove

    QList<Topmost> topmostCalls;

    // The printer dialog: whether the user presses Print, and the PDF file the printer writes (none:
    // printing fails as it does without a printer).
    bool printerDialogAccepts = true;
    QString printToFile;
    int printerDialogs = 0;

    // The drive list's volumes (the root file system alone unless a test adds more), and the root
    // paths of those that are not ready.
    QList<Volume> volumeList { { Volume::Kind::Root, "/", "/" } };
    QStringList volumesNotReady;

    // The key that shows and hides the window: whether the desktop offers such keys, the keys
    // taken (an empty one gives the key back), those another program holds, and a press.
    // The folders the spelling dictionaries are looked for in: none unless a test writes one.
    QStringList dictionaryFolderList;

    bool globalKeysSupported = true;
    QList<QKeySequence> keysTaken;
    QList<QKeySequence> keysHeldElsewhere;
    void pressGlobalKey() const { onPressed(); }

    MessageBoxes& messages() override { return *this; }
    NotifyIcon& notifyIcon() override { return *this; }
    OpenTarget& openTarget() override { return *this; }
    HelpViewer& helpViewer() override { return *this; }
    Autostart& autostart() override { return *this; }
    WindowZOrder& zOrder() override { return *this; }
    Printing& printing() override { return *this; }
    Volumes& volumes() override { return *this; }
    GlobalKey& globalKey() override { return *this; }
    QStringList dictionaryFolders() const override { return dictionaryFolderList; }

private:
    int show(QWidget* owner, const QString& prompt, int style, const QString& title) override;
    int choose(QWidget* owner, const Question& question) override;
    bool addIcon(QWidget* owner, const QString& tip, QMenu* menu) override;
    void removeIcon() override;
    bool available() const override { return trayPresent; }
    bool open(const QUrl& url) override;
    void showHelp(QWidget*, const QString& helpFilePath) override { helpOpened << helpFilePath; }
    FileWrite add() override;
    FileWrite remove() override;
    void setTopmost(QWidget*, bool topmost, QPoint topLeft) override { topmostCalls.append({ topmost, topLeft }); }
    bool showPrinterDialog(QWidget* owner, QPrinter& printer) override;
    QString send(const QPrinter&, const QString&) override { return QStringLiteral("no printer in tests"); }
    QList<Volume> mountedVolumes() const override { return volumeList; }
    bool isReady(const Volume& volume) const override { return !volumesNotReady.contains(volume.rootPath); }
    bool supported() const override { return globalKeysSupported; }
    void take(const QKeySequence& keys) override;
};

} // namespace tabwise
