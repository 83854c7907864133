#include "ui/TrayIcon.h"

#include "platform/NotifyIcon.h"
#include "ui/Twips.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace tabwise {

TrayIcon::TrayIcon(NotifyIcon& notifyIcon, QWidget* window)
    : QObject(window)
    , m_notifyIcon(notifyIcon)
    , m_window(window)
    , m_menu(new QMenu(window))
{
    setObjectName(QStringLiteral("trayIcon"));
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    const auto entry = [this](const char* name, const char* caption) {
        QAction* action = m_menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_help = entry("helpAction", "&Help");
    m_about = entry("aboutAction", "&About");
    m_restore = entry("restoreAction", "&Restore");
    m_options = entry("optionsAction", "&Options");
    m_menu->addSeparator();
    m_exit = entry("exitAction", "E&xit");

    // Each tray event comes in as a left-button press on the window, its mouse message in X.
    m_notifyIcon.onMouseMessage = [this](int message) { handleMouseMessage(message); };
}

bool TrayIcon::add()
{
    m_record = makeTrayRecord(static_cast<std::uint32_t>(m_window->winId()), 1, QStringLiteral("Tabwise"));
    return m_notifyIcon.notify(NotifyIcon::Add, m_record, m_window);
}

void TrayIcon::remove()
{
    m_notifyIcon.notify(NotifyIcon::Delete, m_record, m_window);
}

bool TrayIcon::available() const
{
    return m_notifyIcon.available();
}

void TrayIcon::handleMouseMessage(int message)
{
    switch (trayAction(float(message * twipsPerPixel), float(twipsPerPixel))) {
    case TrayAction::ShowWindow: Q_EMIT doubleClicked(); break;
    case TrayAction::PopUpMenu: m_menu->popup(QCursor::pos()); break;
    case TrayAction::None: break;
    }
}

} // namespace tabwise
