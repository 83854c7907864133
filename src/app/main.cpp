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

    // The page files live beside the executable.
    const QString appFolder = QCoreApplication::applicationDirPath();
    tabwise::QtPlatform platform;
    tabwise::SettingsStore settings(tabwise::SettingsStore::defaultPath());
    tabwise::Form1 form(platform, appFolder, settings);
    QObject::connect(&form, &tabwise::Form1::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // The splash loads the main window when its time is up.
    tabwise::frmSplash splash(form);
    splash.show();
    return app.exec();
}
