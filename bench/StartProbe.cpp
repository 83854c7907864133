// One start of the program, or of the toolkit's floor, in a process of its own: prints the
// milliseconds from the moment the benchmark started the process (BENCH_START_NS, monotonic clock)
// until the window has been painted for the first time, and the resident memory then, and ends as
// the program ends (the program's one-copy lock is given back).
//   tabwise_startprobe ours   the program's own start-up, as main() does it, with the splash
//                             screen handing over at once
//   tabwise_startprobe bare   a bare window with the same kinds and numbers of widgets
#include "BenchSupport.h"
#include "Floors.h"
#include "app/AppFolder.h"
#include "app/SingleInstance.h"
#include "core/settings/SettingsStore.h"
#include "platform/linux/QtPlatform.h"
#include "ui/help/HelpWindowViewer.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SplashScreen.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Ends the process once the window it watches has been painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] {
                const double ms = double(monotonicNs() - qEnvironmentVariable("BENCH_START_NS").toLongLong()) / 1e6;
                std::printf("%.2f %.2f\n", ms, bench::processMemoryMiB("VmRSS"));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "bare") == 0) {
        bench::BareWindow bare;
        FirstPaint watch(&bare);
        bare.show();
        return app.exec();
    }
    // As main() starts the program.
    QApplication::setApplicationName(QStringLiteral("Tabwise"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString appFolder = tabwise::applicationFolder();
    tabwise::SingleInstance instance(tabwise::SingleInstance::nameFor(appFolder));
    if (!instance.claim())
        return 1;
    tabwise::HelpWindowViewer help;
    tabwise::QtPlatform platform(help, tabwise::startCommand());
    tabwise::SettingsStore settings(tabwise::SettingsStore::defaultPath());
    tabwise::MainWindow window(platform, appFolder, settings);
    FirstPaint watch(&window);
    tabwise::SplashScreen splash;
    splash.timer()->setInterval(0);
    QObject::connect(&splash, &tabwise::SplashScreen::finished, &window, &tabwise::MainWindow::load);
    splash.show();
    return app.exec();
}
