#include "platform/qt/QtNotifyIcon.h"

#include "shell/TrayRecord.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace tabwise {

namespace {
constexpr int leftButtonUp = 514;
constexpr int leftDoubleClick = 515;
constexpr int rightButtonUp = 517;
constexpr int middleButtonUp = 520;
// How often the desktop is asked whether a notification area has appeared.
constexpr int trayPollMilliseconds = 1000;

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

QtNotifyIcon::QtNotifyIcon()
    : m_trayPoll(new QTimer(this))
{
    m_trayPoll->setInterval(trayPollMilliseconds);
    connect(m_trayPoll, &QTimer::timeout, this, &QtNotifyIcon::checkTray);
}

QtNotifyIcon::~QtNotifyIcon() { delete m_icon; }

bool QtNotifyIcon::notify(int command, const TrayIconRecord& record, QWidget* owner)
{
    if (command == Delete) {
        if (!m_icon)
            return false;
        m_trayPoll->stop();
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
    const bool present = QSystemTrayIcon::isSystemTrayAvailable();
    // The panel may start after the program (at log-on): the icon goes in as soon as it is there.
    if (!present)
        m_trayPoll->start();
    return present;
}

void QtNotifyIcon::checkTray()
{
    if (!m_icon || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_trayPoll->stop();
    m_icon->hide();
    m_icon->show();
    if (onAvailable)
        onAvailable();
}

bool QtNotifyIcon::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

} // namespace tabwise
