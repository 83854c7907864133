#pragma once

#include "platform/GlobalKey.h"

#include <QObject>
#include <QVariantMap>

class QDBusObjectPath;

namespace tabwise {

// A global shortcut of the desktop portal (org.freedesktop.portal.GlobalShortcuts), the way a
// Wayland desktop lets a program have a key: the program asks for the key in a session of its own,
// the desktop confirms it with the user (who may choose another key there) and reports each press.
class PortalGlobalKey : public QObject, public GlobalKey {
    Q_OBJECT
public:
    PortalGlobalKey();
    ~PortalGlobalKey() override;

    // Whether the session's desktop portal offers global shortcuts.
    static bool offered();
    // The key as the desktop portal writes a trigger ("CTRL+ALT+n").
    static QString triggerText(QKeyCombination keys);

    bool supported() const override { return true; }
    void take(const QKeySequence& keys) override;

private Q_SLOTS:
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void activated(
        const QDBusObjectPath& session, const QString& shortcut, qulonglong timestamp, const QVariantMap& options);

private:
    // Calls METHOD of the portal with ARGUMENTS (ending in the options) and lets SLOT hear the
    // answer of the request it starts.
    void request(const QString& method, QList<QVariant> arguments, QVariantMap options, const char* slot);
    void closeSession();

    QKeySequence m_keys;
    QString m_session;
};

} // namespace tabwise
