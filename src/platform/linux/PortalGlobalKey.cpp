#include "platform/linux/PortalGlobalKey.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QHash>
#include <QRandomGenerator>

namespace {

struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace tabwise {

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString shortcutId = QStringLiteral("show-hide");

} // namespace

PortalGlobalKey::PortalGlobalKey()
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // QtDBus names the receiving slot only by its signature.
    QDBusConnection::sessionBus().connect(service, desktopPath, shortcutsInterface, QStringLiteral("Activated"), this,
        SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
}

PortalGlobalKey::~PortalGlobalKey()
{
    closeSession();
}

bool PortalGlobalKey::offered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(service))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << shortcutsInterface << QStringLiteral("version");
    return bus.call(get, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage;
}

QString PortalGlobalKey::triggerText(QKeyCombination keys)
{
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    for (const auto& [modifier, name] : { std::pair { Qt::ControlModifier, "CTRL" }, { Qt::AltModifier, "ALT" },
             { Qt::ShiftModifier, "SHIFT" }, { Qt::MetaModifier, "LOGO" } }) {
        if (modifiers & modifier)
            parts << QLatin1String(name);
    }
    // The key by its X11 key symbol's name, which for most keys is Qt's own name for it.
    static const QHash<QString, QString> symbolNames { { QStringLiteral("PgUp"), QStringLiteral("Page_Up") },
        { QStringLiteral("PgDown"), QStringLiteral("Page_Down") }, { QStringLiteral("Ins"), QStringLiteral("Insert") },
        { QStringLiteral("Del"), QStringLiteral("Delete") }, { QStringLiteral("Esc"), QStringLiteral("Escape") },
        { QStringLiteral("Space"), QStringLiteral("space") },
        { QStringLiteral("Backspace"), QStringLiteral("BackSpace") } };
    const QString key = QKeySequence(keys.key()).toString(QKeySequence::PortableText);
    parts << (key.size() == 1 ? key.toLower() : symbolNames.value(key, key));
    return parts.join(u'+');
}

void PortalGlobalKey::take(const QKeySequence& keys)
{
    // Each key asked for has a session of its own; the session of the key before ends.
    closeSession();
    m_keys = keys;
    if (keys.isEmpty())
        return;
    request(QStringLiteral("CreateSession"), {},
        { { QStringLiteral("session_handle_token"),
            QStringLiteral("tabwise%1").arg(QRandomGenerator::global()->generate()) } },
        SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalGlobalKey::sessionCreated(uint response, const QVariantMap& results)
{
    if (response != 0) {
        if (onRefused)
            onRefused(tr("the desktop did not open a shortcut session"));
        return;
    }
    m_session = results.value(QStringLiteral("session_handle")).toString();
    const PortalShortcut shortcut { shortcutId,
        { { QStringLiteral("description"), tr("Show or hide the Tabwise window") },
            { QStringLiteral("preferred_trigger"), triggerText(m_keys[0]) } } };
    request(QStringLiteral("BindShortcuts"),
        { QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(QList<PortalShortcut> { shortcut }),
            QString() },
        {}, SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalGlobalKey::shortcutsBound(uint response, const QVariantMap&)
{
    if (response != 0 && onRefused)
        onRefused(tr("the desktop did not grant it"));
}

void PortalGlobalKey::activated(const QDBusObjectPath& session, const QString& shortcut, qulonglong, const QVariantMap&)
{
    if (session.path() == m_session && shortcut == shortcutId && onPressed)
        onPressed();
}

void PortalGlobalKey::request(const QString& method, QList<QVariant> arguments, QVariantMap options, const char* slot)
{
    // The answer comes as a Response signal of a request object whose path the token makes known
    // beforehand, so it is listened to before the call.
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("tabwise%1").arg(QRandomGenerator::global()->generate());
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    const QString requestPath = desktopPath + QStringLiteral("/request/") + sender + u'/' + token;
    bus.connect(
        service, requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this, slot);
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(service, desktopPath, shortcutsInterface, method);
    arguments << options;
    call.setArguments(arguments);
    bus.asyncCall(call);
}

void PortalGlobalKey::closeSession()
{
    if (m_session.isEmpty())
        return;
    QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
        service, m_session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
    m_session.clear();
}

} // namespace tabwise
