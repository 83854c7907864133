#include "platform/qt/QtOpenTarget.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace tabwise {

void QtOpenTarget::open(QWidget* owner, const QString& operation, const QString& target, int showCommand)
{
    Q_UNUSED(operation);
    Q_UNUSED(showCommand);
    // A bare web address ("www.example.com") becomes a web link, a path a file link; a target
    // with a scheme of its own ("mailto:", "https:") is kept as it is.
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    if (url.isValid() && QDesktopServices::openUrl(url))
        return;
    QMessageBox::warning(owner, QStringLiteral("Tabwise"),
                         QStringLiteral("\"%1\" could not be opened.").arg(target));
}

} // namespace tabwise
