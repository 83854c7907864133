#include "app/AppFolder.h"
#include "app/RunningWindow.h"
#include "app/SingleInstance.h"
#include "platform/qt/QtPlatform.h"
#include "settings/SettingsStore.h"
#include "shell/Form1.h"
#include "shell/frmSplash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabwise"));
    // The window may be hidden in the tray: the program ends when the window is unloaded.
    QApplication::setQuitOnLastWindowClosed(false);

    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tabwise"));

    // The page files live in the application folder; one copy of the program runs per folder.
    const QString appFolder = tabwise::applicationFolder();
    tabwise::SingleInstance instance(tabwise::SingleInstance::nameFor(appFolder));
    if (!instance.claim())
        return 0; // the copy that runs shows its window instead
    tabwise::QtPlatform platform;
    tabwise::SettingsStore settings(tabwise::SettingsStore::defaultPath());
    tabwise::Form1 form(platform, appFolder, settings);
    QObject::connect(&form, &tabwise::Form1::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // The splash loads the main window when its time is up.
    tabwise::frmSplash splash(form);
    splash.show();
    QObject::connect(&instance, &tabwise::SingleInstance::showRequested, &form,
                     [&form, &splash] { tabwise::showRunningWindow(form, splash); });
    return app.exec();
}
