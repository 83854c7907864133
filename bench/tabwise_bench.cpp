// Measures page switching, editing and saving, start-up and memory of the main window on the
// offscreen platform, and prints each median beside the toolkit's floor measured in the same run.
#include "BenchSupport.h"
#include "FindBench.h"
#include "Floors.h"
#include "PrintBench.h"
#include "SaveBench.h"
#include "SpellingBench.h"
#include "TypingBench.h"
#include "WindowFixture.h"
#include "ui/page/CommandLabel.h"
#include "ui/page/ListBox.h"
#include "ui/page/PageView.h"
#include "ui/page/TabControl.h"

#include <QPlainTextEdit>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

using namespace bench;
using tabwise::MainWindow;
using tabwise::WindowFixture;

namespace {

QString sizeName(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(bytes >> 20);
}
QString countName(int entries)
{
    return entries >= 1000000 ? QStringLiteral("%1 M").arg(entries / 1000000)
                              : QStringLiteral("%1 k").arg(entries / 1000);
}

MainWindow& loadWindow(WindowFixture& f)
{
    f.seedDesignSettings();
    QThread::msleep(120); // the page files settle, as files written long ago have
    MainWindow& w = f.load();
    settleWindow();
    return w;
}

void startUp()
{
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<BareWindow> bare;
    // Both start over a fresh application folder and settings file.
    const auto freshFolder = [&] {
        fixture = std::make_unique<WindowFixture>();
        fixture->seedDesignSettings();
        fixture->writePage("notes.ntr", "notes\r\n");
        bare.reset();
    };
    const Medians m = timeInTurn(9,
        { freshFolder,
            [&] {
                fixture->load();
                settleWindow();
            } },
        { freshFolder, [&] {
             bare = std::make_unique<BareWindow>();
             bare->show();
             settleWindow();
         } });
    report(QStringLiteral("start-up to window shown"), m.ours, m.floor);
}

// The whole process, as a user starts it: the program's start-up (tabwise_startprobe ours: main()'s
// steps, the splash screen handing over at once) beside a bare window program of the same kinds of
// widgets, in turn, each until its window is first painted; and the resident memory then.
void startUpWholeProcess(int runs)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("app"));
    writeFile(dir.filePath(QStringLiteral("app/notes.ntr")), "notes\r\n");
    // The one-copy lock lives in the runtime folder, a memory file system on a desktop.
    QTemporaryDir runtime(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tabwise-bench-XXXXXX")
                                                                    : dir.filePath(QStringLiteral("runtime")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TABWISE_APP_FOLDER"), dir.filePath(QStringLiteral("app")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/tabwise_startprobe");
    const auto start = [&](const QString& kind) {
        QProcess child;
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        env.insert(QStringLiteral("BENCH_START_NS"), QString::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
        child.setProcessEnvironment(env);
        child.start(probe, { kind });
        child.waitForFinished(60000);
        const QList<QByteArray> figures = child.readAllStandardOutput().split(' ');
        return std::pair { figures.value(0).toDouble(), figures.value(1).toDouble() };
    };
    start(QStringLiteral("ours")); // the first start writes the settings; both warm the disk cache
    start(QStringLiteral("bare"));
    std::vector<double> ours, floor, oursMiB, floorMiB;
    for (int i = 0; i < runs; ++i) {
        const auto [oursMs, oursMemory] = start(QStringLiteral("ours"));
        const auto [floorMs, floorMemory] = start(QStringLiteral("bare"));
        ours.push_back(oursMs);
        floor.push_back(floorMs);
        oursMiB.push_back(oursMemory);
        floorMiB.push_back(floorMemory);
    }
    report(QStringLiteral("start-up to window painted, whole process"), median(ours), median(floor));
    std::printf("%-46s %10.1f MiB %9.1f MiB %8.2f\n", "resident memory, window painted", median(oursMiB),
        median(floorMiB), median(oursMiB) / median(floorMiB));
}

// As a person meets the program: from exec until its first window is mapped on a desktop with a
// window manager and a tray host, and its resident memory 3 s later, beside a bare window program
// (tabwise_firstwindow on a private X desktop).
void startUpAsSeen(int runs)
{
    std::fflush(stdout);
    const QString here = QCoreApplication::applicationDirPath();
    QProcess desktop;
    desktop.setProcessChannelMode(QProcess::ForwardedChannels);
    desktop.start(QStringLiteral("bash"),
        { QStringLiteral(TABWISE_SOURCE_DIR "/bench/in-desktop.sh"), here + QStringLiteral("/tabwise_firstwindow"),
            QStringLiteral(TABWISE_PROGRAM), here + QStringLiteral("/tabwise_barewindow"), QString::number(runs) });
    desktop.waitForFinished(-1);
}

// Selects a tab of the window and lets it lay out: one step of a timed run.
std::function<void()> showTab(MainWindow& w, int tab)
{
    return [&w, tab] {
        w.showPage(tab);
        settleWindow();
    };
}

void benchTextPage(qint64 bytes, int runs)
{
    WindowFixture f;
    f.writePage("phone.ntr", textPage(bytes));
    MainWindow& w = loadWindow(f);
    BareText bare;
    const QString path = f.appFolder() + QStringLiteral("/phone.ntr");
    const QString copy = f.tempPath(QStringLiteral("copy.ntr"));
    const Medians first = timeInTurn(runs,
        { [&] {
             w.showPage(0);
             settleWindow();
             touchAndSettle(path);
         },
            showTab(w, 1) },
        { [&] {
             bare.leave();
             touchAndSettle(path);
         },
            [&] { bare.show(path); } });
    const auto again = timeRuns(runs, showTab(w, 0), showTab(w, 1));
    const Medians save = timeInTurn(runs,
        { {},
            [&] {
                w.page(1)->saveButton()->click();
                settleWindow();
            } },
        { {}, [&] { bare.save(copy); } });
    const QByteArray written = f.pageBytes("phone.ntr");
    const bool whole
        = written == textPage(bytes) && w.page(1)->textBox()->document()->blockCount() == written.count('\n') + 1;
    const Medians typed = timeTypedSave(w, 1, path, copy, runs);

    const QString name = QStringLiteral("text page ") + sizeName(bytes);
    report(name + QStringLiteral(": file touched, shown"), first.ours, first.floor);
    reportAlone(name + QStringLiteral(": showing again unchanged"), median(again));
    report(name + QStringLiteral(": Save, nothing typed"), save.ours, save.floor);
    report(name + QStringLiteral(": one character typed, Save"), typed.ours, typed.floor);
    if (!whole)
        std::printf("  ! the page was not shown or saved whole\n");
}

void benchListPage(int entries, int runs)
{
    WindowFixture f;
    f.writePage("email.ntr", listPage(entries));
    MainWindow& w = loadWindow(f);
    BareList bareList;
    BareText bareText;
    const QString path = f.appFolder() + QStringLiteral("/email.ntr");
    const QString copy = f.tempPath(QStringLiteral("copy.ntr"));
    const Medians first = timeInTurn(runs,
        { [&] {
             w.showPage(0);
             settleWindow();
             touchAndSettle(path);
         },
            showTab(w, 2) },
        { [&] {
             bareList.leave();
             touchAndSettle(path);
         },
            [&] { bareList.show(path); } });
    const auto again = timeRuns(runs, showTab(w, 0), showTab(w, 2));
    // Each Edit is followed by its Save; the floors run in turn with them.
    const int editRuns = entries >= 1000000 ? 3 : runs;
    std::vector<double> edit, floorEdit, save, floorSave;
    for (int i = 0; i < editRuns; ++i) {
        edit.push_back(timeRuns(1, {}, [&] {
            w.page(2)->editButton()->click();
            settleWindow();
        })[0]);
        floorEdit.push_back(timeRuns(1, {}, [&] {
            writeBare(copy, bareList.list->fileText().toUtf8());
            bareText.load(copy);
        })[0]);
        save.push_back(timeRuns(1, {}, [&] {
            w.page(2)->saveButton()->click();
            settleWindow();
        })[0]);
        // The bare box writes its lines with LF; the list is read back from the page with CR LF.
        floorSave.push_back(timeRuns(1, {}, [&] {
            bareText.save(copy);
            bareList.load(path);
        })[0]);
    }
    if (w.page(2)->entryList()->entryCount() != entries)
        std::printf(
            "  ! the list shows %lld entries, not %d\n", qlonglong(w.page(2)->entryList()->entryCount()), entries);

    const QString name = QStringLiteral("list page ") + countName(entries);
    report(name + QStringLiteral(": file touched, shown"), first.ours, first.floor);
    reportAlone(name + QStringLiteral(": showing again unchanged"), median(again));
    report(name + QStringLiteral(": Edit"), median(edit), median(floorEdit));
    report(name + QStringLiteral(": Save"), median(save), median(floorSave));
}

// Run in a process of its own, so that its peak is its own: the window with the list page shown,
// or the bare list box with the same file.
int memoryRun(const QString& kind, int entries)
{
    if (kind == QStringLiteral("ours")) {
        WindowFixture f;
        f.writePage("email.ntr", listPage(entries));
        MainWindow& w = loadWindow(f);
        w.showPage(2);
        settleWindow();
        std::printf("%.1f\n", peakMemoryMiB());
    } else {
        WindowFixture f;
        f.writePage("email.ntr", listPage(entries));
        BareList bare;
        bare.show(f.appFolder() + QStringLiteral("/email.ntr"));
        std::printf("%.1f\n", peakMemoryMiB());
    }
    return 0;
}

double peakOf(const QString& kind, int entries)
{
    QProcess child;
    child.start(
        QCoreApplication::applicationFilePath(), { QStringLiteral("--memory"), kind, QString::number(entries) });
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the program keeps per user (settings, drafts, page history) goes to a home of the
    // benchmark's own, for it and the programs it starts, never to the real one.
    QTemporaryDir home;
    if (argc < 2 || std::strcmp(argv[1], "--memory") != 0) {
        for (const char* name : { "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
            qputenv(name, QFile::encodeName(home.filePath(QString::fromLatin1(name))));
    }
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QStringLiteral("--memory"))
        return memoryRun(args[2], args[3].toInt());

    // Arguments choose what runs: "start", "text", "list", "typing", "spelling", "find", "print",
    // "memory"; none runs everything.
    const QStringList only = args.mid(1);
    const auto wanted = [&](const char* part) { return only.isEmpty() || only.contains(QLatin1String(part)); };
    std::printf("%-46s %13s %13s %8s\n", "medians", "ours", "floor", "ratio");
    if (wanted("start")) {
        startUp();
        startUpWholeProcess(15);
        startUpAsSeen(7);
    }
    if (wanted("text")) {
        benchTextPage(1 << 20, 7);
        benchTextPage(10 << 20, 5);
        benchTextPage(100 << 20, 3);
    }
    if (wanted("list")) {
        benchListPage(10000, 9);
        benchListPage(100000, 9);
        benchListPage(1000000, 5);
    }
    if (wanted("typing"))
        benchTypingStalls();
    if (wanted("spelling"))
        benchSpelling();
    if (wanted("find"))
        benchFind();
    if (wanted("print"))
        benchPrint(100000);
    if (!wanted("memory"))
        return 0;
    const double ours = peakOf(QStringLiteral("ours"), 1000000);
    const double floor = peakOf(QStringLiteral("floor"), 1000000);
    std::printf("%-46s %10.1f MiB %9.1f MiB %8.2f\n", "peak memory, list page 1 M shown", ours, floor, ours / floor);
    return 0;
}
