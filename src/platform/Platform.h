#pragma once

#include "platform/Autostart.h"
#include "platform/GlobalKey.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/NotifyIcon.h"
#include "platform/OpenTarget.h"
#include "platform/Printing.h"
#include "platform/Volumes.h"
#include "platform/WindowZOrder.h"

#include <QStringList>

namespace tabwise {

// Everything the main window asks of the operating system. The program runs on the Qt/Linux
// implementation; the tests give the window a recording fake instead.
class Platform {
public:
    virtual ~Platform() = default;
    virtual MessageBoxes& messages() = 0;
    virtual NotifyIcon& notifyIcon() = 0;
    virtual OpenTarget& openTarget() = 0;
    virtual HelpViewer& helpViewer() = 0;
    virtual Autostart& autostart() = 0;
    virtual WindowZOrder& zOrder() = 0;
    virtual Printing& printing() = 0;
    virtual Volumes& volumes() = 0;
    virtual GlobalKey& globalKey() = 0;
    // Where the system keeps its spelling dictionaries (Hunspell's .aff and .dic files).
    virtual QStringList dictionaryFolders() const = 0;
};

} // namespace tabwise
