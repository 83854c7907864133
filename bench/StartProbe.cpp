// One start of the program, or of the toolkit's floor, in a process of its own: prints the
// milliseconds from the moment the benchmark started the process (BENCH_START_NS, monotonic clock)
// until the window has been painted for the first time, and the resident memory then, and ends as
// the program ends (the program's one-copy lock is given back).
//   tabwise_startprobe ours   the program's own start-up, as main() does it, with the splash
//                             screen handing over at once, until the main window is painted
//   tabwise_startprobe bare   a bare window with the same kinds and numbers of widgets
#include "BenchSupport.h"
#include "Floors.h"
#include "app/AppFolder.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
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

// Ends the process once a window of type Window has been painted.
template <typename Window> class FirstPaint : public QObject {
public:
    FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && dynamic_cast<Window*>(watched))
            QTimer::singleShot(0, [] {
                const double ms = double(monotonicNs() - qEnvironmentVariable("BENCH_START_NS").toLongLong()) / 1e6;
                std::printf("%.2f %.2f\n", ms, bench::processMemoryMiB("VmRSS"));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "bare") == 0) {
        bench::BareWindow bare;
        FirstPaint<bench::BareWindow> watch;
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
    tabwise::SplashScreen splash;
    splash.timer()->setInterval(0);
    tabwise::Program program(appFolder, splash);
    FirstPaint<tabwise::MainWindow> watch;
    splash.show();
    return app.exec();
}
