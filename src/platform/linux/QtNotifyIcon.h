#pragma once

#include "platform/NotifyIcon.h"

#include <QObject>

class QSystemTrayIcon;

namespace tabwise {

// The notification-area icon over QSystemTrayIcon. Its activations reach the window as the mouse
// messages of the icon: 515 for a left double-click, 517 for the right button's release.
class QtNotifyIcon : public QObject, public NotifyIcon {
    Q_OBJECT
public:
    QtNotifyIcon();
    ~QtNotifyIcon() override;
    bool notify(int command, const TrayIconRecord& record, QWidget* owner) override;
    bool available() const override;

private:
    QSystemTrayIcon* m_icon = nullptr;
};

} // namespace tabwise
