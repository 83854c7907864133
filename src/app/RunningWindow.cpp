#include "app/RunningWindow.h"

#include "ui/MainWindow.h"

#include <QTimer>

namespace tabwise {

void showRunningWindow(MainWindow& window, const QWidget& splash)
{
    if (splash.isVisible()) {
        QTimer::singleShot(100, &window, [&window, &splash] { showRunningWindow(window, splash); });
        return;
    }
    window.restore();
}

} // namespace tabwise
