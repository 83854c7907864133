#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tabwise {

// The program's pictures, drawn from its own vector artwork at the screen's pixel density.
QPixmap artwork(const QString& name, QSize size, qreal devicePixelRatio);
QIcon programIcon();

} // namespace tabwise
