#include "ui/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

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
    QIcon icon;
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addPixmap(artwork(QStringLiteral("tabwise"), QSize(side, side), 1.0));
    return icon;
}

} // namespace tabwise
