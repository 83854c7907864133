#include "ui/common/Artwork.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QVariant>

namespace tabwise {

QPixmap artwork(const QString& name, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon programIcon()
{
    // Drawn once a run and kept by the application: the splash screen, the window and the tray
    // show the same icon.
    QObject* application = QCoreApplication::instance();
    const char* const kept = "tabwiseProgramIcon";
    if (application && application->property(kept).isValid())
        return application->property(kept).value<QIcon>();
    QIcon icon;
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addPixmap(artwork(QStringLiteral("tabwise"), QSize(side, side), 1.0));
    if (application)
        application->setProperty(kept, QVariant::fromValue(icon));
    return icon;
}

} // namespace tabwise
