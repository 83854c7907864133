#include "platform/linux/QtOpenTarget.h"

#include <QDesktopServices>
#include <QUrl>

namespace tabwise {

bool QtOpenTarget::open(const QUrl& url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace tabwise
