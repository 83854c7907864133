#include "app/SingleInstance.h"

#include "core/settings/UserFolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

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
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::~SingleInstance() = default;

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
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_name))
        qWarning("Tabwise: cannot listen on %s: %s", qPrintable(m_name), qPrintable(m_server.errorString()));
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readRequest = [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine(longestLine).chopped(1);
            const qsizetype space = line.indexOf(' ');
            const QByteArray verb = space < 0 ? line : line.left(space);
            const QByteArray token = space < 0 ? QByteArray() : line.mid(space + 1);
            const bool wellFormed = space < 0 || isToken(token);
            if (wellFormed && verb == showMessage)
                Q_EMIT showRequested(QString::fromLatin1(token));
            else if (wellFormed && verb == toggleMessage)
                Q_EMIT toggleRequested(QString::fromLatin1(token));
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        readRequest(); // the request may have arrived with the connection
    }
}

void SingleInstance::askRunningCopy(StartRequest request)
{
    // The running copy may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(3000);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(500))
            break;
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
    socket.write(verb + (isToken(token) ? ' ' + token : QByteArray()) + '\n');
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
}

} // namespace tabwise
