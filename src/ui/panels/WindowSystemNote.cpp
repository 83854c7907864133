#include "ui/panels/WindowSystemNote.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

namespace tabwise {

bool windowSystemPlacesWindows(const QString& platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

QLabel* addWindowSystemNote(QAbstractButton* option, const QWidget* next, const QString& platformName)
{
    if (!windowSystemPlacesWindows(platformName))
        return nullptr;
    //: Beside an option (Stay on top) that the Wayland desktop does not allow
    const QString text = QCoreApplication::translate("WindowSystemNote", "Not on Wayland");
    auto* note = new QLabel(text, option->parentWidget());
    note->setObjectName(option->objectName() + QStringLiteral("Note"));
    const QString why = QCoreApplication::translate("WindowSystemNote",
        "Wayland does not let a program keep its window above others or place it on the screen: the desktop "
        "decides.");
    note->setToolTip(why);
    note->setAccessibleName(text);
    note->setAccessibleDescription(why);
    QFont font = note->font();
    font.setItalic(true);
    font.setPointSizeF(font.pointSizeF() - 1);
    note->setFont(font);
    note->adjustSize();
    const QRect box = option->geometry();
    const bool mirrored = option->isRightToLeft();
    // Beside the option's text: on its right, or where the layout runs right to left, on its left.
    const int start
        = mirrored ? box.x() + box.width() - option->sizeHint().width() - 6 : box.x() + option->sizeHint().width() + 6;
    const int room = (mirrored ? start - next->geometry().right() : next->x() - start) - 4;
    if (note->width() > room) {
        note->setText(note->fontMetrics().elidedText(text, Qt::ElideRight, room));
        note->setToolTip(text + QStringLiteral("\n\n") + why);
        note->adjustSize();
    }
    note->move(mirrored ? start - note->width() : start, box.y() + (box.height() - note->height()) / 2);
    return note;
}

} // namespace tabwise
