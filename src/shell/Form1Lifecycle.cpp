// Load, activation and unload of the main window.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "settings/FirstStart.h"
#include "settings/SettingsStore.h"
#include "settings/ValueConversion.h"
#include "shell/TabControl.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace tabwise {

void Form1::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    seedFirstStart(m_settings);

    TrayTip = QStringLiteral("Tabwise");
    readPageInto(txtNotes, pageFilePath(0));
    Check2->setChecked(toBoxState(m_settings.read(Key::Value2)) == 1); // stay on top as last stored

    // "1" starts hidden in the tray; anything else starts with the window shown.
    const bool startHidden = toNumber(m_settings.read(Key::Value)) == 1.0;
    Check1->setChecked(startHidden);
    if (startHidden) {
        hide();
        const bool inTray = addTrayIcon();
        hide();
        Check1->setChecked(true);
        if (!inTray)
            awaitTray(); // without a tray a hidden window could never be reached again
    } else {
        addTrayIcon();
        show();
        Check1->setChecked(false);
        placeBottomRight();
    }

    SSTab1->setTab(0);
    LoadTabNames();
    fillNameBoxes();
    SetLabelCaptions();
    setWindowTitleFor(SSTab1->TabCaption(0));
}

void Form1::Form_Activate()
{
    const std::array<QString, pageCount> shown{{{},
                                               m_settings.read(Key::Value4),
                                               m_settings.read(Key::Value5),
                                               m_settings.read(Key::Value6),
                                               m_settings.read(Key::Value7)}};
    const QString startAtLogon = m_settings.read(Key::Value8);

    for (int tab = 1; tab < pageCount; ++tab)
        showBox(tab)->setChecked(true);

    // The first value that is not a box state ends the handling here; what was done stays.
    const std::optional<int> logon = toBoxState(startAtLogon);
    if (!logon)
        return;
    Check8->setChecked(*logon == 1);

    for (int tab = 1; tab < pageCount; ++tab) {
        const std::optional<double> flag = toNumber(shown[std::size_t(tab)]);
        if (!flag)
            return;
        if (*flag == 0.0) {
            SSTab1->setTabVisibleAt(tab, false);
            showBox(tab)->setChecked(false);
        }
    }
    for (int tab = 1; tab < pageCount; ++tab) {
        const std::optional<int> state = toBoxState(shown[std::size_t(tab)]);
        if (!state)
            return;
        showBox(tab)->setChecked(*state == 1);
    }
}

void Form1::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_platform.notifyIcon().notify(NotifyIcon::Delete, TrayIcon, this);
    Q_EMIT Unloaded();
}

bool Form1::addTrayIcon()
{
    TrayIcon = makeTrayRecord(static_cast<std::uint32_t>(winId()), 1, TrayTip);
    return m_platform.notifyIcon().notify(NotifyIcon::Add, TrayIcon, this);
}

void Form1::placeBottomRight()
{
    // The desktop adds its frame around the window some time after the window is shown, and
    // says how wide it is later still: keep the corner in place until it has settled.
    m_placementPending = true;
    m_placementChecks = placementSettleChecks;
    settlePlacement();
}

void Form1::settlePlacement()
{
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!m_placementPending || !display)
        return;
    // The whole screen, taskbar included: the window's outer bottom-right corner goes on the
    // screen's.
    const QRect area = display->geometry();
    const QSize outer = frameGeometry().size();
    const QPoint corner(area.x() + area.width() - outer.width(), area.y() + area.height() - outer.height());
    if (frameGeometry().topLeft() != corner)
        move(corner);
    if (--m_placementChecks > 0)
        QTimer::singleShot(placementCheckMilliseconds, this, &Form1::settlePlacement);
    else
        m_placementPending = false;
}

} // namespace tabwise
