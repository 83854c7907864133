#include "ui/window/ShowHideKey.h"

#include "core/settings/SettingsStore.h"
#include "platform/Platform.h"
#include "ui/panels/KeyField.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/tray/TrayIcon.h"
#include "ui/window/MainWindow.h"
#include "ui/window/WindowActions.h"

#include <QAction>
#include <QApplication>

namespace tabwise {

ShowHideKey::ShowHideKey(Platform& platform, SettingsStore& settings, MainWindow& window)
    : QObject(&window)
    , m_platform(platform)
    , m_settings(settings)
    , m_window(window)
{
    GlobalKey& key = platform.globalKey();
    key.onPressed = [this] {
        // While the key is being chosen in the options panel, pressing it changes nothing.
        const QWidget* focus = QApplication::focusWidget();
        if (!focus || !m_window.optionsPanel()->showHideKeyField()->isAncestorOf(focus))
            m_window.actions()->showHide->trigger();
    };
    key.onRefused = [this](const QString& reason) {
        m_platform.messages().show(&m_window,
            //: %2 says why, in words such as "another program holds it"
            tr("Tabwise cannot use the key %1 to show and hide its window: %2.\n\nChoose another key in the options.")
                .arg(m_taken.toString(QKeySequence::NativeText), reason),
            msgbox::OkOnly | msgbox::Exclamation);
    };
    connect(window.optionsPanel(), &OptionsPanel::accepted, this, &ShowHideKey::apply);
}

ShowHideKey::~ShowHideKey()
{
    GlobalKey& key = m_platform.globalKey();
    key.onPressed = nullptr;
    key.onRefused = nullptr;
    if (!m_taken.isEmpty())
        key.take({});
}

void ShowHideKey::apply()
{
    const QKeySequence keys = QKeySequence::fromString(m_settings.read(Key::ShowHide), QKeySequence::PortableText);
    if (keys == m_taken || !m_platform.globalKey().supported())
        return;
    m_taken = keys;
    m_platform.globalKey().take(keys);
}

void toggleWindow(MainWindow& window)
{
    if (window.isVisible() && !window.isMinimized() && window.isActiveWindow()) {
        if (window.trayIcon()->available())
            window.hide();
        else
            window.showMinimized();
        return;
    }
    window.restore();
}

} // namespace tabwise
