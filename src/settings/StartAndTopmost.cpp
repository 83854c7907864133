// The two options that act at their click: start at log-on and stay on top.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "settings/ValueConversion.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace tabwise {

void Form1::Check8_Click()
{
    // Every failure passes silently; the stored value follows the box in any case.
    if (Check8->isChecked())
        m_platform.autostart().add(QCoreApplication::applicationFilePath());
    else
        m_platform.autostart().remove();
    m_settings.write(Key::Value8, boxStateText(Check8->isChecked()));
}

void Form1::Check2_Click()
{
    // Each click also places the window's top-left corner, in screen pixels; a start-up placement
    // still waiting for the desktop's frame must not move it back.
    m_placementPending = false;
    m_platform.zOrder().setTopmost(this, Check2->isChecked(), QPoint(464, 259));
}

} // namespace tabwise
