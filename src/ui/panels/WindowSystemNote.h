#pragma once

#include <QGuiApplication>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace tabwise {

// Wayland leaves it to the desktop alone where a window stands and whether it stays above others:
// a program can ask for neither. Options that promise either say so next to them.
bool windowSystemPlacesWindows(const QString& platformName = QGuiApplication::platformName());

// On such a window system, a note beside the option (nothing elsewhere), clear of the control
// NEXT further along the line (shortened there, whole in its tip); its tip says why.
QLabel* addWindowSystemNote(
    QAbstractButton* option, const QWidget* next, const QString& platformName = QGuiApplication::platformName());

} // namespace tabwise
