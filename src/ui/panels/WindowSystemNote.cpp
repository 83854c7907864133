#include "ui/panels/WindowSystemNote.h"

#include <QAbstractButton>
#include <QLabel>

namespace tabwise {

bool windowSystemPlacesWindows(const QString& platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

QLabel* addWindowSystemNote(QAbstractButton* option, const QString& platformName)
{
    if (!windowSystemPlacesWindows(platformName))
        return nullptr;
    auto* note = new QLabel(QStringLiteral("Not on Wayland"), option->parentWidget());
    note->setObjectName(option->objectName() + QStringLiteral("Note"));
    const QString why = QStringLiteral("Wayland does not let a program keep its window above others or place it "
                                       "on the screen: the desktop decides.");
    note->setToolTip(why);
    note->setAccessibleName(QStringLiteral("Not on Wayland"));
    note->setAccessibleDescription(why);
    QFont font = note->font();
    font.setItalic(true);
    font.setPointSizeF(font.pointSizeF() - 1);
    note->setFont(font);
    note->adjustSize();
    const QRect box = option->geometry();
    note->move(box.x() + option->sizeHint().width() + 6, box.y() + (box.height() - note->height()) / 2);
    return note;
}

} // namespace tabwise
