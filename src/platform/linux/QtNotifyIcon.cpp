#include "platform/linux/QtNotifyIcon.h"

#include "core/TrayMessages.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace tabwise {

namespace {
int mouseMessage(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return traymsg::leftDoubleClick;
    case QSystemTrayIcon::Context: return traymsg::rightButtonUp;
    case QSystemTrayIcon::MiddleClick: return traymsg::middleButtonUp;
    default: return traymsg::leftButtonUp;
    }
}
} // namespace

QtNotifyIcon::QtNotifyIcon() = default;
QtNotifyIcon::~QtNotifyIcon()
{
    delete m_icon;
}

bool QtNotifyIcon::notify(int command, const TrayIconRecord& record, QWidget* owner)
{
    if (command == Delete) {
        if (!m_icon)
            return false;
        m_icon->hide();
        delete m_icon;
        m_icon = nullptr;
        return true;
    }
    if (command != Add || m_icon)
        return false;
    m_icon = new QSystemTrayIcon(owner ? owner->windowIcon() : QIcon());
    m_icon->setToolTip(trayTipText(record));
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (onMouseMessage)
            onMouseMessage(mouseMessage(reason));
    });
    m_icon->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtNotifyIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace tabwise
