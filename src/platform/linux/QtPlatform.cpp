#include "platform/linux/QtPlatform.h"

#include "core/spelling/Dictionaries.h"

#include "platform/linux/GlobalKeys.h"
#include "platform/linux/QtMessageBoxes.h"
#include "platform/linux/QtNotifyIcon.h"
#include "platform/linux/QtOpenTarget.h"
#include "platform/linux/QtPrinting.h"
#include "platform/linux/QtVolumes.h"
#include "platform/linux/QtWindowZOrder.h"
#include "platform/linux/XdgAutostart.h"

namespace tabwise {

struct QtPlatform::Services {
    explicit Services(const QString& startCommand)
        : autostart(startCommand)
    {
    }
    QtMessageBoxes messages;
    QtNotifyIcon notifyIcon;
    QtOpenTarget openTarget;
    XdgAutostart autostart;
    QtWindowZOrder zOrder;
    QtPrinting printing;
    QtVolumes volumes;
    std::unique_ptr<GlobalKey> globalKey = makeGlobalKey();
};

QtPlatform::QtPlatform(HelpViewer& helpViewer, const QString& startCommand)
    : m_services(std::make_unique<Services>(startCommand))
    , m_helpViewer(helpViewer)
{
}

QtPlatform::~QtPlatform() = default;

MessageBoxes& QtPlatform::messages()
{
    return m_services->messages;
}
NotifyIcon& QtPlatform::notifyIcon()
{
    return m_services->notifyIcon;
}
OpenTarget& QtPlatform::openTarget()
{
    return m_services->openTarget;
}
HelpViewer& QtPlatform::helpViewer()
{
    return m_helpViewer;
}
Autostart& QtPlatform::autostart()
{
    return m_services->autostart;
}
WindowZOrder& QtPlatform::zOrder()
{
    return m_services->zOrder;
}
Printing& QtPlatform::printing()
{
    return m_services->printing;
}
Volumes& QtPlatform::volumes()
{
    return m_services->volumes;
}
GlobalKey& QtPlatform::globalKey()
{
    return *m_services->globalKey;
}

QStringList QtPlatform::dictionaryFolders() const
{
    return systemDictionaryFolders();
}

} // namespace tabwise
