#include "ui/tray/TrayIcon.h"

#include "platform/NotifyIcon.h"

#include <QMenu>
#include <QWidget>

namespace tabwise {

TrayIcon::TrayIcon(NotifyIcon& notifyIcon, QWidget* window, const QList<QAction*>& entries)
    : QObject(window)
    , m_notifyIcon(notifyIcon)
    , m_window(window)
    , m_menu(new QMenu(window))
{
    setObjectName(QStringLiteral("trayIcon"));
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    for (QAction* entry : entries) {
        if (entry)
            m_menu->addAction(entry);
        else
            m_menu->addSeparator();
    }

    m_notifyIcon.onActivated = [this] { Q_EMIT activated(); };
    m_notifyIcon.onAvailabilityChanged = [this](bool available) { trayAvailabilityChanged(available); };
}

bool TrayIcon::add()
{
    m_added = true;
    //: The tray icon's tip: the program's name
    return m_notifyIcon.addIcon(m_window, tr("Tabwise"), m_menu);
}

void TrayIcon::remove()
{
    m_added = false;
    m_notifyIcon.removeIcon();
}

bool TrayIcon::available() const
{
    return m_notifyIcon.available();
}

void TrayIcon::trayAvailabilityChanged(bool available)
{
    // Hidden in a tray that is gone, the window could not be reached again: it comes back.
    if (!available && m_added && m_window->isHidden())
        Q_EMIT activated();
}

} // namespace tabwise
