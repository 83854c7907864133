#include "platform/linux/QtOpenTarget.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace tabwise {

QUrl QtOpenTarget::targetUrl(const QString& target)
{
    // No working folder on purpose: with one, "www.example.com" would turn into a file there.
    return QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
}

void QtOpenTarget::open(QWidget* owner, const QString& operation, const QString& target, int showCommand)
{
    Q_UNUSED(operation);
    Q_UNUSED(showCommand);
    const QUrl url = targetUrl(target);
    if (url.isValid() && QDesktopServices::openUrl(url))
        return;
    QMessageBox::warning(owner, QStringLiteral("Tabwise"), QStringLiteral("\"%1\" could not be opened.").arg(target));
}

} // namespace tabwise
