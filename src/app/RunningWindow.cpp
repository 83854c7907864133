#include "app/RunningWindow.h"

#include "shell/Form1.h"

#include <QAction>
#include <QTimer>

namespace tabwise {

void showRunningWindow(Form1& form, const QWidget& splash)
{
    if (splash.isVisible()) {
        QTimer::singleShot(100, &form, [&form, &splash] { showRunningWindow(form, splash); });
        return;
    }
    form.MENURESTORE->trigger();
}

} // namespace tabwise
