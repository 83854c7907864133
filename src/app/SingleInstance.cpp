#include "app/SingleInstance.h"

#include "core/settings/UserFolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tabwise {

namespace {

// "show" or "toggle", then the later start's activation token if it has one, on one line.
const QByteArray showMessage = QByteArrayLiteral("show");
const QByteArray toggleMessage = QByteArrayLiteral("toggle");
constexpr qint64 longestLine = 512;

// A token as the desktop hands it out: printable ASCII, no spaces.
bool isToken(const QByteArray& text)
{
    return !text.isEmpty() && text.size() < longestLine - 8
        && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 127; });
}

// The socket's address; nothing when the path is too long for one.
std::optional<sockaddr_un> addressOf(const QByteArray& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

} // namespace

QString SingleInstance::nameFor(const QString& appFolder)
{
    // The user's id as well: without a runtime folder of the user's own, the name lives in the
    // shared temporary folder.
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime + QStringLiteral("/tabwise-%1-%2").arg(folderId(appFolder)).arg(getuid());
}

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_lock(name + QStringLiteral(".lock"))
{
    // The lock belongs to the running copy for as long as it runs, however long that is; a lock
    // left by a copy that crashed is recognised by its dead process.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_name).constData());
}

bool SingleInstance::claim(StartRequest request)
{
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        qWarning("Tabwise: cannot take the lock %s; running without the one-copy guard", qPrintable(m_lock.fileName()));
        return true;
    }
    askRunningCopy(request);
    return false;
}

void SingleInstance::listen()
{
    // Nobody else holds the lock, so a socket of this name was left by a copy that crashed.
    const QByteArray path = QFile::encodeName(m_name);
    ::unlink(path.constData());
    const std::optional<sockaddr_un> address = addressOf(path);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // Only the user may connect; nobody can before listen().
    if (!address || listener < 0 || ::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0
        || ::chmod(path.constData(), 0600) != 0 || ::listen(listener, 16) != 0) {
        qWarning(
            "Tabwise: cannot listen on %s: %s", path.constData(), address ? std::strerror(errno) : "name too long");
        if (listener >= 0)
            ::close(listener);
        return;
    }
    m_listener = listener;
    auto* calls = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(calls, &QSocketNotifier::activated, this, &SingleInstance::answer);
}

void SingleInstance::answer()
{
    for (int caller; (caller = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
        auto* arriving = new QSocketNotifier(caller, QSocketNotifier::Read, this);
        connect(arriving, &QSocketNotifier::activated, this,
            [this, caller, arriving, line = std::make_shared<QByteArray>()] {
                if (!read(caller, *line))
                    return; // more is to come
                arriving->setEnabled(false);
                arriving->deleteLater();
            });
    }
}

bool SingleInstance::read(int caller, QByteArray& line)
{
    char buffer[longestLine];
    const ssize_t count = ::read(caller, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return false;
    if (count > 0)
        line.append(buffer, count);
    const qsizetype end = line.indexOf('\n');
    if (end < 0 && count > 0 && line.size() < longestLine)
        return false;
    ::close(caller);
    if (end < 0)
        return true;
    const QByteArray request = line.left(end);
    const qsizetype space = request.indexOf(' ');
    const QByteArray verb = space < 0 ? request : request.left(space);
    const QByteArray token = space < 0 ? QByteArray() : request.mid(space + 1);
    const bool wellFormed = space < 0 || isToken(token);
    if (wellFormed && verb == showMessage)
        Q_EMIT showRequested(QString::fromLatin1(token));
    else if (wellFormed && verb == toggleMessage)
        Q_EMIT toggleRequested(QString::fromLatin1(token));
    return true;
}

void SingleInstance::askRunningCopy(StartRequest request)
{
    // The running copy may have taken the lock a moment ago and not be listening yet; one that
    // hangs is not waited for long.
    const QDeadlineTimer deadline(3000);
    const std::optional<sockaddr_un> address = addressOf(QFile::encodeName(m_name));
    int socket = -1;
    for (;;) {
        socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const timeval patience { 0, 500000 };
        if (socket >= 0 && address && ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience) == 0
            && ::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0)
            break;
        if (socket >= 0)
            ::close(socket);
        if (deadline.hasExpired()) {
            qWarning("Tabwise: another copy runs for this folder but does not answer");
            return;
        }
        QThread::msleep(100);
    }
    // On Wayland the desktop gives a start an activation token; the running copy needs it to come
    // to the front.
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    const QByteArray& verb = request == StartRequest::Toggle ? toggleMessage : showMessage;
    const QByteArray line = verb + (isToken(token) ? ' ' + token : QByteArray()) + '\n';
    if (::send(socket, line.constData(), size_t(line.size()), MSG_NOSIGNAL) != line.size())
        qWarning("Tabwise: the copy that runs for this folder could not be asked: %s", std::strerror(errno));
    ::close(socket);
}

} // namespace tabwise
