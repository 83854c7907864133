#pragma once

#include "platform/Platform.h"

#include <memory>

namespace tabwise {

// The operating system as a Linux desktop offers it, through Qt. Help is shown in a viewer of the
// program's own, which is handed in.
class QtPlatform : public Platform {
public:
    // startCommand: what the log-on entry runs (see app/AppFolder.h).
    QtPlatform(HelpViewer& helpViewer, const QString& startCommand);
    ~QtPlatform() override;

    MessageBoxes& messages() override;
    NotifyIcon& notifyIcon() override;
    OpenTarget& openTarget() override;
    HelpViewer& helpViewer() override;
    Autostart& autostart() override;
    WindowZOrder& zOrder() override;
    Printing& printing() override;
    Volumes& volumes() override;
    GlobalKey& globalKey() override;
    QStringList dictionaryFolders() const override;

private:
    struct Services;
    std::unique_ptr<Services> m_services;
    HelpViewer& m_helpViewer;
};

} // namespace tabwise
