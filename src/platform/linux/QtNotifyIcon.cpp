#include "platform/linux/QtNotifyIcon.h"

#include "platform/linux/TrayHosts.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace tabwise {

namespace {
// Qt's choice, made once per process with the first icon: over D-Bus (true) or XEmbed (false).
std::optional<bool> overDBus;
// How long the menu waits at most for the program to become inactive (Qt decides 100 ms after it
// has seen the focus go, which a busy program sees late).
constexpr int deactivationWaitMilliseconds = 1000;
// A menu closed this soon after it opened, with nothing chosen, was closed by the deactivation;
// it opens again, at most this many times.
constexpr int reopenWithinMilliseconds = 400;
constexpr int reopenTries = 2;

// Whether the X server's input focus is in a window of this program now; none off X11. Qt learns
// of a change of focus later than the server has made it: a window minimized by the window manager
// may still be Qt's focus window while a click on the tray icon is already being handled.
std::optional<bool> xFocusIsOurs()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &std::free);
    if (!focus)
        return std::nullopt;
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->handle() && window->winId() == focus->focus)
            return true;
    }
    return false;
}
} // namespace

QtNotifyIcon::QtNotifyIcon()
    : m_hosts(new TrayHosts(this))
{
    connect(m_hosts, &TrayHosts::watcherRegistered, this, &QtNotifyIcon::showIcon);
    connect(m_hosts, &TrayHosts::changed, this, &QtNotifyIcon::traysChanged);
}

QtNotifyIcon::~QtNotifyIcon()
{
    delete m_icon;
}

bool QtNotifyIcon::addIcon(QWidget* owner, const QString& tip, QMenu* menu)
{
    m_owner = owner;
    m_tip = tip;
    m_menu = menu;
    m_wanted = true;
    m_hosts->watch(true);
    showIcon();
    m_wasAvailable = available();
    return m_wasAvailable;
}

void QtNotifyIcon::removeIcon()
{
    m_wanted = false;
    m_hosts->watch(false);
    delete m_icon;
    m_icon = nullptr;
}

bool QtNotifyIcon::available() const
{
    if (!overDBus)
        return m_hosts->statusNotifierWatcher() || m_hosts->xembedTray();
    return *overDBus ? m_hosts->statusNotifierWatcher() : m_hosts->xembedTray();
}

void QtNotifyIcon::showIcon()
{
    // An icon made before any tray exists would settle Qt's choice on XEmbed for good.
    const bool watcher = m_hosts->statusNotifierWatcher();
    if (!m_wanted || (!watcher && !m_hosts->xembedTray()) || (m_icon && overDBus == false))
        return;
    // Made anew: a D-Bus tray that starts after the icon was shown would not know it.
    delete m_icon;
    if (!overDBus)
        overDBus = watcher;
    m_icon = new QSystemTrayIcon(m_owner ? m_owner->windowIcon() : QIcon(), this);
    m_icon->setToolTip(m_tip);
    // A D-Bus tray draws the menu itself; in an XEmbed tray the program pops it up (popUpMenu).
    m_icon->setContextMenu(*overDBus ? m_menu.data() : nullptr);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Context && !*overDBus)
            popUpMenu(QCursor::pos());
        // A D-Bus tray activates on a single click and never sends a double-click; in an XEmbed
        // tray a single click is only the first half of one.
        const bool asksForWindow
            = reason == QSystemTrayIcon::DoubleClick || (reason == QSystemTrayIcon::Trigger && *overDBus);
        if (asksForWindow && onActivated)
            onActivated();
    });
    m_icon->show();
}

void QtNotifyIcon::popUpMenu(QPoint at)
{
    // Qt closes every pop-up when the program stops being the active one, which it learns a moment
    // after its window has lost the focus (hidden in the tray, minimized). A menu opened within that
    // moment would close at once, so it waits for the program to be inactive first. Whether the
    // focus has gone is asked of the X server, which may be ahead of what Qt has seen so far.
    const QWindow* focus = QGuiApplication::focusWindow();
    const std::optional<bool> ours = xFocusIsOurs();
    const bool focusGone
        = ours ? !*ours : !focus || !focus->isVisible() || focus->windowStates().testFlag(Qt::WindowMinimized);
    const bool deactivationDue = QGuiApplication::applicationState() == Qt::ApplicationActive && focusGone;
    if (!deactivationDue) {
        openMenu(at, reopenTries);
        return;
    }
    auto* wait = new QTimer(this);
    wait->setSingleShot(true);
    const auto popUp = [this, wait, at] {
        wait->stop();
        QObject::disconnect(qGuiApp, nullptr, wait, nullptr);
        wait->deleteLater();
        openMenu(at, reopenTries);
    };
    connect(wait, &QTimer::timeout, wait, popUp);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, wait, [popUp](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            popUp();
    });
    wait->start(deactivationWaitMilliseconds);
}

void QtNotifyIcon::openMenu(QPoint at, int tries)
{
    if (!m_menu)
        return;
    // A program that is late with its events may handle its deactivation only after the menu is
    // open (the focus went, as the X server says, but Qt had not seen it yet): Qt then closes the
    // menu at once. Such a menu opens again. A chosen entry is told after the menu hides.
    QElapsedTimer open;
    open.start();
    m_menu->popup(at);
    const QPointer<QObject> watch = new QObject(m_menu); // goes with the menu, should it go first
    auto chosen = std::make_shared<bool>(false);
    connect(m_menu, &QMenu::triggered, watch, [chosen] { *chosen = true; });
    connect(m_menu, &QMenu::aboutToHide, watch, [this, watch, chosen, open, at, tries] {
        const bool soon = open.elapsed() < reopenWithinMilliseconds;
        QTimer::singleShot(0, this, [this, watch, chosen, soon, at, tries] {
            delete watch.data();
            if (soon && !*chosen && tries > 0 && QGuiApplication::applicationState() != Qt::ApplicationActive)
                openMenu(at, tries - 1);
        });
    });
}

void QtNotifyIcon::traysChanged()
{
    if (!m_wanted)
        return;
    if (!m_icon)
        showIcon(); // the first tray has come
    const bool now = available();
    if (now == m_wasAvailable)
        return;
    m_wasAvailable = now;
    if (onAvailabilityChanged)
        onAvailabilityChanged(now);
}

} // namespace tabwise
