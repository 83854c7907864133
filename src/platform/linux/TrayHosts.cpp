#include "platform/linux/TrayHosts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tabwise {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
constexpr int xPollMilliseconds = 1000;

template <typename Reply> using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The screen the program runs on, from DISPLAY (":0.1" is screen 1).
int screenNumber()
{
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    return dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
}

// Whether a client owns the XEmbed tray selection _NET_SYSTEM_TRAY_S<screen>.
bool xembedTrayPresent()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber());
    const XReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr),
        &std::free);
    if (!atom)
        return false;
    const XReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

} // namespace

TrayHosts::TrayHosts(QObject* parent)
    : QObject(parent)
{
}

void TrayHosts::watch(bool on)
{
    if (on && !m_watcher) {
        m_watcher = new QDBusServiceWatcher(watcherService, QDBusConnection::sessionBus(),
            QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
        connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
            Q_EMIT watcherRegistered();
            Q_EMIT changed();
        });
        connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &TrayHosts::changed);
        m_poll = new QTimer(this);
        m_poll->setInterval(xPollMilliseconds);
        connect(m_poll, &QTimer::timeout, this, &TrayHosts::lookAtX);
        m_xembed = xembedTrayPresent();
    }
    if (!m_poll)
        return;
    // On X11 only: another window system has no XEmbed tray.
    if (on && qGuiApp && qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        m_poll->start();
    else
        m_poll->stop();
}

bool TrayHosts::statusNotifierWatcher() const
{
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(watcherService);
}

void TrayHosts::lookAtX()
{
    const bool present = xembedTrayPresent();
    if (present == m_xembed)
        return;
    m_xembed = present;
    Q_EMIT changed();
}

} // namespace tabwise
