#include "app/AppFolder.h"
#include "app/CommandLine.h"
#include "app/RunningWindow.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "core/settings/SettingsStore.h"
#include "platform/linux/QtPlatform.h"
#include "ui/help/HelpWindowViewer.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SplashScreen.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabwise"));
    // The window may be hidden in the tray: the program ends when the window is unloaded.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tabwise"));
    const tabwise::CommandLine command = tabwise::readCommandLine(QCoreApplication::arguments());
    if (command.exitCode >= 0) {
        std::fputs(qPrintable(command.output), command.exitCode == 0 ? stdout : stderr);
        return command.exitCode;
    }

    // The page files live in the application folder; one copy of the program runs per folder.
    const QString appFolder = tabwise::applicationFolder();
    tabwise::SingleInstance instance(tabwise::SingleInstance::nameFor(appFolder));
    if (!instance.claim(command.request))
        return 0; // the copy that runs shows (or hides) its window instead

    tabwise::HelpWindowViewer help;
    tabwise::QtPlatform platform(help, tabwise::startCommand());
    tabwise::SettingsStore settings(tabwise::SettingsStore::defaultPath());
    tabwise::MainWindow window(platform, appFolder, settings);
    QObject::connect(&window, &tabwise::MainWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Ended from outside: no question can be asked, so the typing goes into its drafts.
    tabwise::TerminationSignals termination;
    QObject::connect(&termination, &tabwise::TerminationSignals::terminationRequested, &window,
        &tabwise::MainWindow::endWithoutAsking);
    // The splash loads the main window when its time is up.
    tabwise::SplashScreen splash;
    QObject::connect(&splash, &tabwise::SplashScreen::finished, &window, &tabwise::MainWindow::load);
    splash.show();
    QObject::connect(&instance, &tabwise::SingleInstance::showRequested, &window,
        [&window, &splash](const QString& token) { tabwise::showRunningWindow(window, splash, false, token); });
    QObject::connect(&instance, &tabwise::SingleInstance::toggleRequested, &window,
        [&window, &splash](const QString& token) { tabwise::showRunningWindow(window, splash, true, token); });
    // Started to show the window (or to toggle it, with none shown yet): shown even when it would
    // start in the tray.
    if (command.request != tabwise::StartRequest::Start)
        tabwise::showRunningWindow(window, splash);
    return app.exec();
}
