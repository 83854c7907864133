#include "app/AppFolder.h"
#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
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

    // The page files live in the application folder; one copy of the program runs per folder. A
    // later start shows no splash: the copy that runs shows (or hides) its window instead.
    const QString appFolder = tabwise::applicationFolder();
    tabwise::SingleInstance instance(tabwise::SingleInstance::nameFor(appFolder));
    if (!instance.claim(command.request))
        return 0;

    // The first window the user sees; everything else is made behind it.
    tabwise::SplashScreen splash;
    tabwise::Program program(appFolder, splash);
    QObject::connect(&instance, &tabwise::SingleInstance::showRequested, &program,
        [&program](const QString& token) { program.showWindow(false, token); });
    QObject::connect(&instance, &tabwise::SingleInstance::toggleRequested, &program,
        [&program](const QString& token) { program.showWindow(true, token); });
    // Started to show the window (or to toggle it, with none shown yet): shown even when it would
    // start in the tray, once the splash has handed over.
    if (command.request != tabwise::StartRequest::Start)
        QObject::connect(
            &splash, &tabwise::SplashScreen::finished, &program, [&program] { program.showWindow(); },
            Qt::QueuedConnection);
    // Shown once everything follows it: showing may already run its timer.
    splash.show();
    return app.exec();
}
