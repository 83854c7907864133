#include "app/RunningWindow.h"

#include <QWidget>

namespace tabwise {

void showRunningWindow(QWidget& window)
{
    window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace tabwise
