// The tray icon's mouse messages, hiding on minimize and the tray menu.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "shell/EventSignal.h"
#include "shell/TrayDecode.h"
#include "shell/Twips.h"

#include <QCursor>
#include <QGroupBox>
#include <QMenu>
#include <QTimer>

namespace tabwise {

namespace {
// How long a start in the tray waits for the desktop's tray to appear before it shows the window
// minimized instead (at log-on the program may start before the panel).
constexpr int trayWaitMilliseconds = 5000;
} // namespace

void Form1::connectTrayHandlers()
{
    // Each tray event comes in as a left-button press on the window, its mouse message in X.
    m_platform.notifyIcon().onMouseMessage
        = [this](int message) { Form_MouseDown(Qt::LeftButton, 0, float(message * twipsPerPixel), 0.0f); };
    // Queued, so that the window system has finished minimizing before the window is hidden.
    connect(new EventSignal(this, QEvent::WindowStateChange), &EventSignal::occurred, this, &Form1::Form_Resize,
        Qt::QueuedConnection);
    connect(MENURESTORE, &QAction::triggered, this, &Form1::MENURESTORE_Click);
    connect(MENUOPTIONS, &QAction::triggered, this, &Form1::MENUOPTIONS_Click);
    connect(MENUEXIT, &QAction::triggered, this, &Form1::MENUEXIT_Click);
}

void Form1::Form_MouseDown(int, int, float X, float)
{
    switch (trayAction(X, float(twipsPerPixel))) {
    case TrayAction::ShowWindow: restoreWindow(); break;
    case TrayAction::PopUpMenu: MENU->popup(QCursor::pos()); break;
    case TrayAction::None: break;
    }
}

void Form1::Form_Resize()
{
    // Without a tray a hidden window could not be reached again: it stays on the taskbar.
    if (isMinimized() && m_platform.notifyIcon().available())
        hide();
}

void Form1::MENURESTORE_Click()
{
    restoreWindow();
}

void Form1::MENUOPTIONS_Click()
{
    restoreWindow();
    frameAbout->hide();
    Image1_Click();
}

void Form1::MENUEXIT_Click()
{
    // Closing runs the window's close handling, which unloads it; the unload removes the icon.
    close();
}

void Form1::restoreWindow()
{
    setWindowState(Qt::WindowNoState);
    setVisible(true);
    raise();
    activateWindow();
}

void Form1::awaitTray()
{
    QTimer::singleShot(trayWaitMilliseconds, this, [this] {
        if (!m_unloaded && isHidden() && !m_platform.notifyIcon().available())
            showMinimized();
    });
}

} // namespace tabwise
