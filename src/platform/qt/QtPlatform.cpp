#include "platform/qt/QtPlatform.h"

#include "platform/qt/ChmHelpViewer.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtNotifyIcon.h"
#include "platform/qt/QtOpenTarget.h"
#include "platform/qt/QtPrinting.h"
#include "platform/qt/QtVolumes.h"
#include "platform/qt/QtWindowZOrder.h"
#include "platform/qt/XdgAutostart.h"

namespace tabwise {

struct QtPlatform::Services {
    QtMessageBoxes messages;
    QtNotifyIcon notifyIcon;
    QtOpenTarget openTarget;
    ChmHelpViewer helpViewer;
    XdgAutostart autostart;
    QtWindowZOrder zOrder;
    QtPrinting printing;
    QtVolumes volumes;
};

QtPlatform::QtPlatform()
    : m_services(std::make_unique<Services>())
{
}

QtPlatform::~QtPlatform() = default;

MessageBoxes& QtPlatform::messages() { return m_services->messages; }
NotifyIcon& QtPlatform::notifyIcon() { return m_services->notifyIcon; }
OpenTarget& QtPlatform::openTarget() { return m_services->openTarget; }
HelpViewer& QtPlatform::helpViewer() { return m_services->helpViewer; }
Autostart& QtPlatform::autostart() { return m_services->autostart; }
WindowZOrder& QtPlatform::zOrder() { return m_services->zOrder; }
Printing& QtPlatform::printing() { return m_services->printing; }
Volumes& QtPlatform::volumes() { return m_services->volumes; }

} // namespace tabwise
