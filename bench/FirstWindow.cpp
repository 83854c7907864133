// Start-up as a person meets the program, on the X desktop it runs on (DISPLAY, with a window
// manager and a tray host): the milliseconds from exec until the program's first window managed by
// the window manager is mapped, and the resident memory 3 s later, beside a bare window program of
// the same kinds of widgets, in turn, the median of RUNS starts each after one start of each that
// is not counted. The program runs over a temporary application folder holding five short pages,
// with a home of its own: its first start begins the history, the counted ones find it unchanged.
//   tabwise_firstwindow PROGRAM BARE [RUNS]
#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The X server, told of every window mapped on the root window (a window manager maps the frames
// it puts around the windows it manages there).
class Desktop {
public:
    Desktop()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &events);
        const char name[] = "_NET_WM_PID";
        const Reply<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, sizeof name - 1, name), nullptr),
            &std::free);
        m_pidAtom = atom ? atom->atom : XCB_NONE;
        xcb_flush(m_connection);
    }
    ~Desktop() { xcb_disconnect(m_connection); }
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool ok() const { return m_pidAtom != XCB_NONE; }

    // Waits up to TIMEOUT ms for a window of process PID to be mapped on the root window, or inside
    // a frame mapped there (not an override-redirect one: menus, tooltips, the window manager's own);
    // true when one was.
    bool waitForWindowOf(pid_t pid, int timeout)
    {
        const Clock::time_point start = Clock::now();
        while (msSince(start) < timeout) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const Reply<xcb_generic_event_t> owned(event, &std::free);
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                    continue;
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if (map->event == m_root && !map->override_redirect && holdsWindowOf(map->window, pid, 3))
                    return true;
            }
            pollfd wait { xcb_get_file_descriptor(m_connection), POLLIN, 0 };
            poll(&wait, 1, 5);
        }
        return false;
    }

private:
    bool holdsWindowOf(xcb_window_t window, pid_t pid, int depth)
    {
        const Reply<xcb_get_property_reply_t> property(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
            &std::free);
        if (property && xcb_get_property_value_length(property.get()) == 4
            && *static_cast<const uint32_t*>(xcb_get_property_value(property.get())) == uint32_t(pid))
            return true;
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr), &std::free);
        if (!tree || depth == 0)
            return false;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
            if (holdsWindowOf(children[i], pid, depth - 1))
                return true;
        return false;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_pidAtom = XCB_NONE;
};

struct Start {
    double windowMs;
    double memoryMiB;
};

// Starts PROGRAM (exec in a child of ours), times it until its first window is mapped, reads its
// resident memory 3 s later and ends it, by its process id.
std::optional<Start> start(Desktop& desktop, const QString& program)
{
    const QByteArray path = QFile::encodeName(program);
    const Clock::time_point begin = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // Nothing the program says may hold up either side.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(path.constData(), path.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<Start> measured;
    if (child > 0 && desktop.waitForWindowOf(child, 20000)) {
        const double windowMs = msSince(begin);
        usleep(3000 * 1000);
        QFile status(QStringLiteral("/proc/%1/status").arg(child));
        for (const QByteArray& line :
            status.open(QIODevice::ReadOnly) ? status.readAll().split('\n') : QList<QByteArray> {})
            if (line.startsWith("VmRSS:"))
                measured = Start { windowMs, line.mid(6).trimmed().split(' ').first().toDouble() / 1024 };
    }
    if (child > 0) {
        kill(child, SIGTERM);
        for (int i = 0; i < 300 && waitpid(child, nullptr, WNOHANG) == 0; ++i)
            usleep(10 * 1000);
        if (kill(child, 0) == 0 && waitpid(child, nullptr, WNOHANG) == 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }
    return measured;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tabwise_firstwindow PROGRAM BARE [RUNS]\n");
        return 2;
    }
    const QString program = QFile::decodeName(argv[1]);
    const QString bare = QFile::decodeName(argv[2]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 7;
    QTemporaryDir folder;
    const QDir root(folder.path());
    root.mkpath(QStringLiteral("app"));
    for (const char* page : { "notes", "phone", "email", "web", "other" })
        bench::writeFile(root.filePath(QStringLiteral("app/%1.ntr").arg(QLatin1String(page))),
            QByteArray("hello from ") + page + "\r\n");
    root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(
        root.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The programs see only these folders, never the user's own settings, pages or session.
    const auto set = [&root](const char* name, const char* under) {
        setenv(name, QFile::encodeName(root.filePath(QLatin1String(under))).constData(), 1);
    };
    set("TABWISE_APP_FOLDER", "app");
    set("HOME", "home");
    set("XDG_CONFIG_HOME", "home/.config");
    set("XDG_STATE_HOME", "home/.local/state");
    set("XDG_DATA_HOME", "home/.local/share");
    set("XDG_CACHE_HOME", "home/.cache");
    set("XDG_RUNTIME_DIR", "runtime");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    for (const char* name : { "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER", "WAYLAND_DISPLAY" })
        unsetenv(name);

    Desktop desktop;
    if (!desktop.ok()) {
        std::fprintf(stderr, "tabwise_firstwindow: no X display\n");
        return 1;
    }
    std::vector<double> ours, floor, oursMiB, floorMiB;
    for (int i = 0; i <= runs; ++i) {
        const std::optional<Start> mine = start(desktop, program);
        const std::optional<Start> theirs = start(desktop, bare);
        if (!mine || !theirs) {
            std::fprintf(
                stderr, "tabwise_firstwindow: %s showed no window\n", mine ? "the bare window" : "the program");
            return 1;
        }
        if (i == 0)
            continue; // the first start begins the history, and both fill the disk cache
        ours.push_back(mine->windowMs);
        floor.push_back(theirs->windowMs);
        oursMiB.push_back(mine->memoryMiB);
        floorMiB.push_back(theirs->memoryMiB);
    }
    bench::report(
        QStringLiteral("first window mapped, whole process, tray host"), bench::median(ours), bench::median(floor));
    std::printf("%-46s %10.1f MiB %9.1f MiB %8.2f\n", "resident memory 3 s after the first window",
        bench::median(oursMiB), bench::median(floorMiB), bench::median(oursMiB) / bench::median(floorMiB));
    return 0;
}
