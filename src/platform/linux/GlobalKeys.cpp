#include "platform/linux/GlobalKeys.h"

#include "platform/linux/PortalGlobalKey.h"
#include "platform/linux/X11GlobalKey.h"

#include <QGuiApplication>

namespace tabwise {

namespace {

class NoGlobalKey : public GlobalKey {
public:
    bool supported() const override { return false; }
    void take(const QKeySequence&) override { }
};

} // namespace

std::unique_ptr<GlobalKey> makeGlobalKey()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        auto key = std::make_unique<X11GlobalKey>();
        if (key->supported())
            return key;
    }
    if (platform.startsWith(QLatin1String("wayland")) && PortalGlobalKey::offered())
        return std::make_unique<PortalGlobalKey>();
    return std::make_unique<NoGlobalKey>();
}

} // namespace tabwise
