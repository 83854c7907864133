#include "app/RunningWindow.h"

#include "ui/window/MainWindow.h"
#include "ui/window/WindowActions.h"

#include <QAction>

#include <QGuiApplication>
#include <QTimer>

namespace tabwise {

void showRunningWindow(MainWindow& window, const QWidget& splash, bool toggle, const QString& activationToken)
{
    if (splash.isVisible()) {
        QTimer::singleShot(100, &window,
            [&window, &splash, activationToken] { showRunningWindow(window, splash, false, activationToken); });
        return;
    }
    // Qt's Wayland shell takes the token from the environment when the window asks to be activated;
    // it must not reach programs started later.
    const bool withToken = !activationToken.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland");
    if (withToken)
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    if (toggle)
        window.actions()->showHide->trigger();
    else
        window.restore();
    if (withToken)
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace tabwise
