#include "platform/qt/QtNotifyIcon.h"

#include "shell/TrayRecord.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace tabwise {

namespace {
constexpr int leftButtonUp = 514;
constexpr int leftDoubleClick = 515;
constexpr int rightButtonUp = 517;
constexpr int middleButtonUp = 520;

int mouseMessage(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return leftDoubleClick;
    case QSystemTrayIcon::Context: return rightButtonUp;
    case QSystemTrayIcon::MiddleClick: return middleButtonUp;
    default: return leftButtonUp;
    }
}
} // namespace

QtNotifyIcon::QtNotifyIcon() = default;
QtNotifyIcon::~QtNotifyIcon() { delete m_icon; }

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

bool QtNotifyIcon::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

} // namespace tabwise
