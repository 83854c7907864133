#include "app/RunningWindow.h"

#include "ui/MainWindow.h"
#include "ui/ShowHideKey.h"

#include <QTimer>

namespace tabwise {

void showRunningWindow(MainWindow& window, const QWidget& splash, bool toggle)
{
    if (splash.isVisible()) {
        QTimer::singleShot(100, &window, [&window, &splash] { showRunningWindow(window, splash); });
        return;
    }
    if (toggle)
        toggleWindow(window);
    else
        window.restore();
}

} // namespace tabwise
